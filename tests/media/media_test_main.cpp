// The real media tests need a Qt event loop; `--missing-plugins` lists the
// GStreamer elements they need that are not installed, for the harness.
#include "platform/linux/linux_media_env.h"

#include <QCoreApplication>

#include <gst/gst.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--missing-plugins") == 0) {
        gst_init(nullptr, nullptr);
        int missing = 0;
        for (const char* element : {"uridecodebin", "wavparse", "mpegaudioparse", "mpg123audiodec",
                                    "midiparse", "fluiddec", "cdiocddasrc", "pulsesink"}) {
            if (GstElementFactory* factory = gst_element_factory_find(element)) {
                gst_object_unref(factory);
            } else {
                std::printf("%s ", element);
                ++missing;
            }
        }
        return missing ? 1 : 0;
    }
    kelvaro::preferGStreamerBackend();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
