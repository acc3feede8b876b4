/* A pointer for a Wayland seat that has none (a headless compositor): a client of the wlroots
 * virtual-pointer protocol that reads commands from standard input, one a line, and answers each
 * with "ok" once the compositor has handled it:
 *   move X Y W H   the pointer to (X, Y) of a W x H layout, in logical pixels
 *   click          the left button pressed and released
 * It keeps its pointer while it runs, so clients started meanwhile see a seat with a pointer. */
#include "virtual-pointer-client-protocol.h"

#include <stdio.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

#define LEFT_BUTTON 0x110 /* BTN_LEFT */

static struct wl_seat *seat;
static struct zwlr_virtual_pointer_manager_v1 *manager;

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
}

static void global_remove(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {global, global_remove};

static uint32_t now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

int main(void)
{
    struct wl_display *display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "virtual_pointer: no Wayland display\n");
        return 1;
    }
    struct wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (!manager) {
        fprintf(stderr, "virtual_pointer: the compositor offers no virtual pointer\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1 *pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    wl_display_roundtrip(display);
    puts("ready");
    fflush(stdout);

    char line[128];
    while (fgets(line, sizeof line, stdin)) {
        unsigned x, y, w, h;
        if (sscanf(line, "move %u %u %u %u", &x, &y, &w, &h) == 4) {
            zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), x, y, w, h);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else if (strncmp(line, "click", 5) == 0) {
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), LEFT_BUTTON, WL_POINTER_BUTTON_STATE_PRESSED);
            zwlr_virtual_pointer_v1_frame(pointer);
            wl_display_roundtrip(display);
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), LEFT_BUTTON, WL_POINTER_BUTTON_STATE_RELEASED);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else {
            fprintf(stderr, "virtual_pointer: unknown command: %s", line);
            return 2;
        }
        if (wl_display_roundtrip(display) < 0)
            return 1;
        puts("ok");
        fflush(stdout);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
