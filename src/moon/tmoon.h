#pragma once

#include "moon/moon_bitmap.h"

#include <functional>
#include <string_view>

namespace kelvaro::moon {

enum class TMoonSize { ms64, ms32, ms16 };
enum class TRotate { rot_none, rot_90, rot_180, rot_270 };
enum class TMoonStyle { msClassic, msColor };

// Where the disc lies in each picture size.
struct MoonSizeRow {
    int size; // width and height
    int centreRow;
    int centreColumn;
    int radius;
    int apolloColumn;
    int apolloRow;
    std::string_view classicPicture;
    std::string_view colorPicture;
};

const MoonSizeRow& MoonSizeInfo(TMoonSize size);

// 20 July 1969, 20:17:43, as a date-time.
double Apollo11Landing();

// Fetches a picture resource by name ("MOON_SMALL", ...). A bitmap of the wrong size counts as missing.
using MoonPictureLoader = std::function<MoonBitmap(std::string_view name)>;

// The moon picture control: a stored full-Moon picture with the unlit part painted black.
class TMoon {
  public:
    // Date starts at the current local date-time.
    explicit TMoon(MoonPictureLoader loader);
    TMoon(MoonPictureLoader loader, double date);

    TMoonSize MoonSize() const { return moonSize_; }
    void SetMoonSize(TMoonSize size);
    double Date() const { return date_; }
    void SetDate(double date);
    TRotate Rotation() const { return rotation_; }
    void SetRotation(TRotate rotation);
    bool ShowApollo11() const { return showApollo11_; }
    void SetShowApollo11(bool show);
    TMoonStyle MoonStyle() const { return moonStyle_; }
    void SetMoonStyle(TMoonStyle style);

    long double PhaseAngle() const { return phaseAngle_; }
    int Width() const { return MoonSizeInfo(moonSize_).size; }
    int Height() const { return MoonSizeInfo(moonSize_).size; }
    // The displayed bitmap; a view shows it unscaled.
    const MoonBitmap& Picture() const { return displayed_; }
    // Counts repaints, so a view can tell when Picture() changed.
    unsigned RepaintCount() const { return repaints_; }

  private:
    void Repaint();

    MoonPictureLoader loader_;
    TMoonSize moonSize_ = TMoonSize::ms64;
    double date_ = 0.0;
    TRotate rotation_ = TRotate::rot_none;
    bool showApollo11_ = true;
    TMoonStyle moonStyle_ = TMoonStyle::msClassic;
    long double phaseAngle_ = 0.0L;
    double apollo11Landing_;
    MoonBitmap working_;
    MoonBitmap displayed_;
    unsigned repaints_ = 0;
};

// The repaint's drawing steps, open for tests.
struct ShadowRow {
    int x1; // half-width of the disc on this row
    int x2; // half-width of the terminator ellipse, signed
};
ShadowRow ShadowRowExtent(int radius, int m, double cosPhase);
void DrawShadow(MoonBitmap& bitmap, const MoonSizeRow& size, long double phaseAngle);
MoonBitmap Rotated(const MoonBitmap& bitmap, TRotate rotation);

} // namespace kelvaro::moon
