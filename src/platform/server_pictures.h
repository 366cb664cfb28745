#pragma once
// Pictures kept on the display server and copied into a native window by one
// request with no reply, past the toolkit's paint and flush. Only an X server
// keeps them (platform/x11/); a build without X11, or another display, has none
// and the view paints as usual (no_x11.cpp).
#include <cstddef>
#include <cstdint>
#include <memory>

namespace kelvaro {

class ServerPictures {
  public:
    using Picture = std::uint32_t; // 0: none
    virtual ~ServerPictures() = default;
    // Keeps `bytes` of 32-bit pixels in the machine's order (Qt's RGB32), `width` a row;
    // 0 when the server would not take them. Sent with the next send().
    virtual Picture upload(int width, int height, const std::uint8_t* pixels, std::size_t bytes) = 0;
    // Copies `picture` into the window with its top left at (x, y). Sent with the next send().
    virtual void copy(Picture picture, int x, int y, int width, int height) = 0;
    virtual void release(Picture picture) = 0;
    // Writes what waits to the server now, or when the last open Batch ends.
    virtual void send() = 0;

    // While one lives, sends wait and go to the server in one write when the last one ends.
    class Batch {
      public:
        Batch();
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
    };
};

// Whether the program's display can keep pictures at all (it runs on X11).
bool displayKeepsPictures();
// The pictures for the native window `window`, or null where its display keeps none
// or they would not look as the toolkit paints (a visual of another depth or byte order).
std::unique_ptr<ServerPictures> openServerPictures(std::uintptr_t window);

} // namespace kelvaro
