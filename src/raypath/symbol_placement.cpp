// Placing an armed palette symbol, a point marker or an eye: pressed into the
// field, it follows the pointer as an overlay, so that the rays it is dragged
// across stay whole, and is kept where it is let go. A further marker beyond
// the store's 20 of its kind is refused, and the picture shows what it showed
// before. Either way the palette is disarmed.
#include "raypath/gestures.h"

namespace raypath {

namespace {

class SymbolPlacement : public RayPathGesture
{
public:
    SymbolPlacement(RayPathScene &scene, Point at) : scene_(scene), symbol_(scene.armedSymbol())
    {
        drawOver(at);
    }

    void move(Point at) override
    {
        takeBack();
        drawOver(at);
    }

    void release(Point at) override
    {
        takeBack();
        const bool kept =
            symbol_ == MarkerSymbol::Point ? scene_.addPointMarker(at) : scene_.addEyeMarker(at);
        if (kept)
            scene_.drawSymbol(symbol_, at);
        scene_.disarmSymbol();
    }

private:
    void drawOver(Point at)
    {
        canvas::Surface &s = scene_.screen();
        s.beginOverlay();
        scene_.drawSymbol(symbol_, at);
        s.endOverlay();
    }

    void takeBack()
    {
        // Nothing else draws while a symbol is dragged; on a surface that
        // keeps no overlay the picture is drawn anew instead.
        if (!scene_.screen().takeBackOverlay())
            scene_.redraw();
    }

    RayPathScene &scene_;
    const MarkerSymbol symbol_;
};

}  // namespace

std::unique_ptr<RayPathGesture> startSymbolPlacement(RayPathScene &scene, Point at)
{
    return std::make_unique<SymbolPlacement>(scene, at);
}

}  // namespace raypath
