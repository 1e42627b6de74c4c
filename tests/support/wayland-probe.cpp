// A Wayland client for the sway tests: it adds a pointer device of its own to
// the compositor's seat (a headless compositor has none, so no client would
// hear of the pointer), opens an ordinary window (app_id "tessaly-probe")
// filled with one colour, and prints "press X Y" for every button pressed on
// that window (surface coordinates), so a test sees which clicks reach it.
// Lines on its standard input drive its pointer as a mouse would: "move DX DY"
// (relative motion, which the compositor handles as a real mouse's, a drag
// included), "press", "release" (the left button). It ends when its standard
// input closes.
#include "virtual-pointer-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

namespace {

struct Probe {
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    wl_seat* seat = nullptr;
    wl_pointer* pointer = nullptr;
    xdg_wm_base* shell = nullptr;
    zwlr_virtual_pointer_manager_v1* pointers = nullptr;
    zwlr_virtual_pointer_v1* mouse = nullptr;
    wl_surface* surface = nullptr;
    int width = 400, height = 300;
    double x = 0, y = 0;
    bool onWindow = false;
};

void draw(Probe& p) {
    const int stride = p.width * 4, size = stride * p.height;
    const int fd = memfd_create("probe", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, size) != 0) return;
    auto* px = static_cast<uint32_t*>(mmap(nullptr, size_t(size), PROT_WRITE, MAP_SHARED, fd, 0));
    for (int i = 0; i < p.width * p.height; ++i)
        px[i] = 0xFF3050A0;
    munmap(px, size_t(size));
    wl_shm_pool* pool = wl_shm_create_pool(p.shm, fd, size);
    wl_buffer* buffer =
        wl_shm_pool_create_buffer(pool, 0, p.width, p.height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    wl_surface_attach(p.surface, buffer, 0, 0);
    wl_surface_damage(p.surface, 0, 0, p.width, p.height);
    wl_surface_commit(p.surface);
}

const wl_pointer_listener kPointer = {
    .enter =
        [](void* d, wl_pointer*, uint32_t, wl_surface*, wl_fixed_t x, wl_fixed_t y) {
            auto* p = static_cast<Probe*>(d);
            p->onWindow = true;
            p->x = wl_fixed_to_double(x), p->y = wl_fixed_to_double(y);
        },
    .leave = [](void* d, wl_pointer*, uint32_t,
                wl_surface*) { static_cast<Probe*>(d)->onWindow = false; },
    .motion =
        [](void* d, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y) {
            auto* p = static_cast<Probe*>(d);
            p->x = wl_fixed_to_double(x), p->y = wl_fixed_to_double(y);
        },
    .button =
        [](void* d, wl_pointer*, uint32_t, uint32_t, uint32_t, uint32_t state) {
            auto* p = static_cast<Probe*>(d);
            if (state == WL_POINTER_BUTTON_STATE_PRESSED && p->onWindow) {
                std::printf("press %d %d\n", int(p->x), int(p->y));
                std::fflush(stdout);
            }
        },
    .axis = [](void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {},
    .frame = nullptr,
    .axis_source = nullptr,
    .axis_stop = nullptr,
    .axis_discrete = nullptr,
    .axis_value120 = nullptr,
};

const wl_seat_listener kSeat = {
    .capabilities =
        [](void* d, wl_seat* seat, uint32_t caps) {
            auto* p = static_cast<Probe*>(d);
            if ((caps & WL_SEAT_CAPABILITY_POINTER) && !p->pointer) {
                p->pointer = wl_seat_get_pointer(seat);
                wl_pointer_add_listener(p->pointer, &kPointer, p);
            }
        },
    .name = nullptr,
};

const xdg_wm_base_listener kShell = {
    .ping = [](void*, xdg_wm_base* shell, uint32_t serial) { xdg_wm_base_pong(shell, serial); },
};

const xdg_surface_listener kXdgSurface = {
    .configure =
        [](void* d, xdg_surface* s, uint32_t serial) {
            xdg_surface_ack_configure(s, serial);
            draw(*static_cast<Probe*>(d));
        },
};

const xdg_toplevel_listener kToplevel = {
    .configure =
        [](void* d, xdg_toplevel*, int32_t w, int32_t h, wl_array*) {
            auto* p = static_cast<Probe*>(d);
            if (w > 0 && h > 0) p->width = w, p->height = h;
        },
    .close = [](void*, xdg_toplevel*) {},
    .configure_bounds = nullptr,
    .wm_capabilities = nullptr,
};

// Binds the global `name` into `slot` when it is the interface `i` and the slot is empty.
template <typename T>
void bindGlobal(T*& slot, wl_registry* r, uint32_t name, const char* iface, const wl_interface& i) {
    if (!slot && std::strcmp(iface, i.name) == 0)
        slot = static_cast<T*>(wl_registry_bind(r, name, &i, 1));
}

const wl_registry_listener kRegistry = {
    .global =
        [](void* d, wl_registry* r, uint32_t name, const char* iface, uint32_t) {
            auto* p = static_cast<Probe*>(d);
            bindGlobal(p->compositor, r, name, iface, wl_compositor_interface);
            bindGlobal(p->shm, r, name, iface, wl_shm_interface);
            bindGlobal(p->seat, r, name, iface, wl_seat_interface);
            bindGlobal(p->shell, r, name, iface, xdg_wm_base_interface);
            bindGlobal(p->pointers, r, name, iface, zwlr_virtual_pointer_manager_v1_interface);
        },
    .global_remove = [](void*, wl_registry*, uint32_t) {},
};

} // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "wayland-probe: no compositor\n");
        return 1;
    }
    // Unbuffered: a line read leaves the next one for poll to see.
    setvbuf(stdin, nullptr, _IONBF, 0);
    Probe p;
    wl_registry_add_listener(wl_display_get_registry(display), &kRegistry, &p);
    wl_display_roundtrip(display);
    if (!p.compositor || !p.shm || !p.seat || !p.shell || !p.pointers) {
        std::fprintf(stderr, "wayland-probe: the compositor lacks an interface it needs\n");
        return 1;
    }
    p.mouse = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(p.pointers, p.seat);
    wl_seat_add_listener(p.seat, &kSeat, &p);
    xdg_wm_base_add_listener(p.shell, &kShell, &p);
    p.surface = wl_compositor_create_surface(p.compositor);
    xdg_surface* xs = xdg_wm_base_get_xdg_surface(p.shell, p.surface);
    xdg_surface_add_listener(xs, &kXdgSurface, &p);
    xdg_toplevel* top = xdg_surface_get_toplevel(xs);
    xdg_toplevel_add_listener(top, &kToplevel, &p);
    xdg_toplevel_set_app_id(top, "tessaly-probe");
    wl_surface_commit(p.surface);
    wl_display_roundtrip(display);
    std::printf("ready\n");
    std::fflush(stdout);
    pollfd fds[2] = {{wl_display_get_fd(display), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    for (;;) {
        wl_display_flush(display);
        if (poll(fds, 2, -1) < 0) break;
        if (fds[0].revents & (POLLERR | POLLHUP)) break;
        if ((fds[0].revents & POLLIN) && wl_display_dispatch(display) < 0) break;
        if (fds[1].revents) {
            char line[64];
            if (!std::fgets(line, sizeof line, stdin)) break;
            int dx = 0, dy = 0;
            timespec t{};
            clock_gettime(CLOCK_MONOTONIC, &t);
            const auto now = uint32_t(t.tv_sec * 1000 + t.tv_nsec / 1000000);
            if (std::sscanf(line, "move %d %d", &dx, &dy) == 2)
                zwlr_virtual_pointer_v1_motion(p.mouse, now, wl_fixed_from_int(dx),
                                               wl_fixed_from_int(dy));
            else if (std::strncmp(line, "press", 5) == 0)
                zwlr_virtual_pointer_v1_button(p.mouse, now, 0x110, 1); // BTN_LEFT
            else if (std::strncmp(line, "release", 7) == 0)
                zwlr_virtual_pointer_v1_button(p.mouse, now, 0x110, 0);
            zwlr_virtual_pointer_v1_frame(p.mouse);
        }
    }
    wl_display_disconnect(display);
    return 0;
}
