// Launch to first paint, as a user sees it: starts a program, watches the X display for a
// mapped top-level window whose name contains a given text, and reports the milliseconds from
// the launch until the middle of that window shows anything but black (run it under an X
// server with a black root window, Xvfb -br). Then it ends the program.
//   first_paint NAME COMMAND [ARGS...]      prints "<ms>" or "timeout"; status 0 or 1
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace
{
template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T> Reply<T> Own(T* reply)
{
    return Reply<T>(reply, &std::free);
}

std::string WindowName(xcb_connection_t* x, xcb_window_t w)
{
    const auto name = Own(xcb_get_property_reply(
        x, xcb_get_property(x, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
        nullptr));
    if (!name)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(name.get())),
                       size_t(xcb_get_property_value_length(name.get())));
}

// The newest mapped top-level window whose name contains `wanted`; 0 when there is none yet.
xcb_window_t FindWindow(xcb_connection_t* x, xcb_window_t root, const char* wanted)
{
    const auto tree = Own(xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr));
    if (!tree)
        return 0;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = xcb_query_tree_children_length(tree.get()) - 1; i >= 0; --i)
    {
        const auto attributes = Own(
            xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[i]), nullptr));
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
            WindowName(x, children[i]).find(wanted) != std::string::npos)
            return children[i];
    }
    return 0;
}

// Whether the 64 x 64 pixels in the middle of `w` hold anything but black.
bool MiddleIsPainted(xcb_connection_t* x, xcb_window_t w)
{
    const auto geometry = Own(xcb_get_geometry_reply(x, xcb_get_geometry(x, w), nullptr));
    if (!geometry || geometry->width < 64 || geometry->height < 64)
        return false;
    const auto image = Own(xcb_get_image_reply(
        x,
        xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, w, int16_t(geometry->width / 2 - 32),
                      int16_t(geometry->height / 2 - 32), 64, 64, 0x00FFFFFF),
        nullptr));
    if (!image)
        return false;
    const uint8_t* data = xcb_get_image_data(image.get());
    const int length = xcb_get_image_data_length(image.get());
    for (int i = 0; i < length; ++i)
        if (data[i] != 0)
            return true;
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: first_paint NAME COMMAND [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
    {
        std::fprintf(stderr, "first_paint: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0)
    {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    bool painted = false;
    while (!painted && std::chrono::steady_clock::now() - start < std::chrono::seconds(30))
    {
        const xcb_window_t w = FindWindow(x, root, argv[1]);
        painted = w != 0 && MiddleIsPainted(x, w);
        if (!painted)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const auto ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    if (painted)
        std::printf("%.1f\n", ms.count());
    else
        std::printf("timeout\n");
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    return painted ? 0 : 1;
}
