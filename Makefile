# Tessaly: make deps | build | run | lupdate | test | bench | demo | package | format | format-check
#          | test-sanitize | test-tsan | fuzz | stress | stress-interleaving | stress-smoke
#          | mutants | mutants-list
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# WERROR=ON turns compiler warnings into errors (CI does).
WERROR ?= OFF
CONFIGURE = cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALY_WERROR=$(WERROR)

# Debian packages for building, running and packaging Tessaly. The
# image-formats plugins let Qt read WebP and TIFF pictures; libheif decodes
# HEIC and AVIF photos, libjxl JPEG XL, libjpeg-turbo JPEG photos through its
# fast scaled paths; GIO writes the GNOME family's wallpaper settings;
# libwayland-client (and its wayland-scanner) talks to Wayland compositors
# for Tessaly's own desktop surfaces, and Qt's Wayland platform plugin runs
# the program on them without XWayland; the
# validators check the menu entry, the AppStream metadata and the Debian
# package; the Linguist tools turn translations/*.ts into the program's
# translations, and Qt's own translations name its standard buttons and dialogs.
DEPS := build-essential cmake pkg-config \
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
  libgl-dev qt6-image-formats-plugins libheif-dev libjxl-dev \
  libjpeg62-turbo-dev libglib2.0-dev libwayland-dev qt6-wayland \
  libxcb1-dev libx11-dev libx11-xcb-dev libxcb-screensaver0-dev libxcb-keysyms1-dev \
  desktop-file-utils appstream lintian

# Added for the tests, the demonstration and the benchmarks: GoogleTest, a
# private desktop (X server, tray host, window manager, compositing manager,
# session bus, notification service),
# X tools that drive it (xrandr defines several monitors on Xvfb; xrestop
# counts X resources), ImageMagick and the HEIF and JPEG XL encoders (test
# pictures are made at test time), a known font, gsettings, the formatter,
# the GNOME custom-shortcut schema (the GNOME hot-key route's test),
# a local proxy, certificates and an HTTP client for the network tests, the
# accessibility bus and its Python client that drive the windows, and the
# peers the benchmarks measure against (feh, hsetroot, vipsthumbnail); a
# private Wayland desktop too: a headless sway with its background program,
# grim, which takes its screenshots, wtype, which types its keys, and the
# window protocol the tests' own Wayland client (a pointer and a window beneath
# the widgets) is built from.
TEST_DEPS := libgtest-dev libgmock-dev \
  xvfb x11-xkb-utils x11-utils x11-xserver-utils xdotool trayer openbox picom dbus python3-dbus python3-gi \
  libglib2.0-bin gsettings-desktop-schemas gnome-settings-daemon-common \
  imagemagick libheif-examples libjxl-tools librsvg2-bin fonts-dejavu-core clang-format \
  tinyproxy openssl curl at-spi2-core python3-pyatspi xrestop \
  feh hsetroot libvips-tools sway swaybg grim wayland-protocols wtype

# The programs that draw the desktops Tessaly hands its picture to, for the
# real-desktop tests (ctest label desktops), without their recommendations:
# xfdesktop with its settings service and xfconf-query (Xfce), pcmanfm (LXDE),
# pcmanfm-qt (LXQt), caja (MATE), GNOME Shell, Plasma's shell with its
# desktop layout (KDE Plasma), and dconf's service, through which MATE and
# GNOME read the keys Tessaly writes; the X server with its dummy video
# driver gives Xfce two real outputs, each with a backdrop of its own (Xvfb
# has a single output).
DESKTOP_TEST_DEPS := xfdesktop4 xfconf pcmanfm pcmanfm-qt caja gnome-shell \
  plasma-workspace plasma-desktop dconf-service xserver-xorg-core xserver-xorg-video-dummy

# The sanitizer and fuzzing build: clang with its sanitizer and libFuzzer
# run-time libraries.
SANITIZE_DEPS := clang libclang-rt-14-dev
ASAN_DIR ?= build-asan
ASAN_CONFIGURE = cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DBUILD_TESTING=ON \
  -DTESSALY_SANITIZE=ON -DTESSALY_FUZZ=ON
TSAN_DIR ?= build-tsan
TSAN_CONFIGURE = cmake -S . -B $(TSAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DBUILD_TESTING=ON -DTESSALY_TSAN=ON
# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 60
# Trials of the kill -9 torture, changes of the soak run (`make stress`).
STRESS_TRIALS ?= 1000
SOAK_CHANGES ?= 10000

# The translations to refresh from the sources (`make lupdate`).
TS_FILES := $(wildcard translations/tessaly_*.ts)

.PHONY: lupdate deps test-deps sanitize-deps build build-tests run demo test bench package format format-check clean \
  test-sanitize test-tsan fuzz fuzz-smoke stress stress-interleaving stress-smoke \
  mutants mutants-list

deps:
	@./scripts/install-packages.sh $(DEPS)

test-deps: deps
	@./scripts/install-packages.sh $(TEST_DEPS)
	@./scripts/install-packages.sh --no-install-recommends $(DESKTOP_TEST_DEPS)

# The program alone: no GoogleTest needed.
build: deps
	$(CONFIGURE) -DBUILD_TESTING=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)

build-tests: test-deps
	$(CONFIGURE) -DBUILD_TESTING=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The Debian package build/tessaly_<version>_<arch>.deb (CPack).
package: build
	cmake --build $(BUILD_DIR) --target package

# Refreshes translations/*.ts from every text marked in src/: new texts come in
# unfinished, texts no longer in the sources go.
lupdate: deps
	/usr/lib/qt6/bin/lupdate -no-obsolete -locations relative src -ts $(TS_FILES)

run: build
	./scripts/run.sh $(BUILD_DIR)

# The demonstration on a private X server (what `make run` shows without a display).
demo: test-deps build
	./scripts/demo.sh $(BUILD_DIR)

test: build-tests
	./scripts/run-tests.sh $(BUILD_DIR)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, in
# its own build folder ($(ASAN_DIR), shared with `make fuzz`).
sanitize-deps: test-deps
	@./scripts/install-packages.sh $(SANITIZE_DEPS)

test-sanitize: sanitize-deps
	$(ASAN_CONFIGURE)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan-suppressions.txt:print_suppressions=0 \
	  ./scripts/run-tests.sh $(ASAN_DIR)

# The whole suite under ThreadSanitizer, in its own build folder ($(TSAN_DIR));
# the first race stops the process that met it. Reports go to
# $(TSAN_DIR)/tsan-reports, so that one in a program a test started (whose
# end the test may not check) fails the run too. The suppressions name code
# inside Qt and other libraries only.
# The sway tests are left out here: Qt's Wayland platform, libwayland and
# Mesa share a display lock that they take and release in each other's code,
# which a sanitizer that sees only some of them reports as misuse. Tessaly's
# own Wayland code runs on the interface thread alone; the sway tests run in
# the other builds. So are the real desktops' tests: they add no threads of
# Tessaly's that the other X11 tests do not run.
test-tsan: sanitize-deps
	$(TSAN_CONFIGURE)
	cmake --build $(TSAN_DIR) -j $(JOBS)
	rm -rf $(TSAN_DIR)/tsan-reports && mkdir -p $(TSAN_DIR)/tsan-reports
	TSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/tsan-suppressions.txt:halt_on_error=1:second_deadlock_stack=1:report_signal_unsafe=0:log_path=$(CURDIR)/$(TSAN_DIR)/tsan-reports/report \
	  ./scripts/run-tests.sh $(TSAN_DIR) -LE "sway|desktops"; status=$$?; \
	  if grep -l ThreadSanitizer $(TSAN_DIR)/tsan-reports/* 2>/dev/null; then \
	    cat $(TSAN_DIR)/tsan-reports/*; echo "ThreadSanitizer reported the races above."; exit 1; fi; \
	  exit $$status

# Every fuzz target for FUZZ_SECONDS each; executions and findings per target,
# the figures also in bench/fuzz-results.txt.
fuzz: sanitize-deps
	$(ASAN_CONFIGURE)
	cmake --build $(ASAN_DIR) -j $(JOBS) --target fuzzers
	./tests/fuzz/run-fuzz.sh $(ASAN_DIR) $(FUZZ_SECONDS) bench/fuzz-results.txt

# The same for 2,000 inputs each from a fixed seed (CI): no target rots, and
# the run does not depend on the machine's speed.
fuzz-smoke: sanitize-deps
	$(ASAN_CONFIGURE)
	cmake --build $(ASAN_DIR) -j $(JOBS) --target fuzzers
	FUZZ_RUNS=2000 ./tests/fuzz/run-fuzz.sh $(ASAN_DIR) 0

# kill -9 torture, soak and network faults on the real program; figures in
# bench/stress-results.txt. stress-smoke is the short version CI runs.
# (The build folder keeps its configuration: CI has just built it with WERROR=ON.)
STRESS_BUILD = @[ -f $(BUILD_DIR)/CMakeCache.txt ] || $(CONFIGURE) -DBUILD_TESTING=ON
stress: test-deps
	$(STRESS_BUILD)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	./tests/stress/run-stress.sh $(BUILD_DIR) $(STRESS_TRIALS) $(SOAK_CHANGES) bench/stress-results.txt

# SEQUENCES (default 100) overlapping-request sequences against the program,
# added to bench/interleaving-results.txt from a seed no earlier run there
# used: a long count made up of runs on several days.
SEQUENCES ?= 100
stress-interleaving: test-deps
	$(STRESS_BUILD)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tessaly
	TESSALY_BINARY=$(CURDIR)/$(BUILD_DIR)/tessaly ./tests/support/with-temp-home.sh \
	  ./tests/support/desktop-session.sh /usr/bin/python3 tests/shell/test_interleaving.py \
	  $(SEQUENCES) --add-to $(CURDIR)/bench/interleaving-results.txt

stress-smoke: test-deps
	$(STRESS_BUILD)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	./tests/stress/run-stress.sh $(BUILD_DIR) 40 200

# Mutation testing: MUTANTS small faults planted one at a time in src/ (drawn
# from SEED, so that runs before and after a change to the tests meet the same
# ones), each built in build-mutants/ and run against the suite; the share the
# tests catch and every fault they miss go to bench/mutants-results.txt.
# MUTANTS_NOTE names the run there; MUTANTS_EXCLUDE (a regular expression)
# names the tests left out: by default the overlapping-request stress test,
# whose random sequences take most of the suite's time and have their own long
# run (stress-interleaving); add any test that fails on the unmutated tree.
# `make mutants-list` only shows the mutants.
MUTANTS ?= 40
SEED ?= 1
MUTANTS_NOTE ?=
MUTANTS_EXCLUDE ?= test_interleaving
mutants: test-deps
	nice -n 19 /usr/bin/python3 scripts/mutants.py --mutants $(MUTANTS) --seed $(SEED) \
	  --add-to bench/mutants-results.txt $(if $(MUTANTS_NOTE),--note "$(MUTANTS_NOTE)") \
	  $(if $(MUTANTS_EXCLUDE),--exclude '$(MUTANTS_EXCLUDE)')

mutants-list:
	/usr/bin/python3 scripts/mutants.py --list --mutants $(MUTANTS) --seed $(SEED)

bench: test-deps build
	cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	./scripts/run-bench.sh $(BUILD_DIR)

format:
	@./scripts/install-packages.sh clang-format
	./scripts/check-format.sh --fix

format-check:
	@./scripts/install-packages.sh clang-format
	./scripts/check-format.sh

clean:
	rm -rf $(BUILD_DIR)
