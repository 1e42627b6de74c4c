# Tessaly: make deps | build | run | test | bench
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Debian packages for building, running and testing.
DEPS := build-essential cmake pkg-config \
  qt6-base-dev qt6-base-dev-tools libgl-dev \
  libgtest-dev libgmock-dev \
  libxcb1-dev libx11-dev libx11-xcb-dev libxcb-screensaver0-dev libxcb-keysyms1-dev \
  xvfb x11-xkb-utils xdotool trayer x11-utils dbus dbus-x11 libglib2.0-bin gsettings-desktop-schemas \
  imagemagick fonts-dejavu-core \
  python3-dbus python3-gi x11-xserver-utils

.PHONY: deps build run test bench clean

deps:
	@missing=$$(for p in $(DEPS); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./scripts/run.sh $(BUILD_DIR)

test: build
	./scripts/run-tests.sh $(BUILD_DIR)

bench: build
	cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	./scripts/run-bench.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
