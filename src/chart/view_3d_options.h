// The 3D view settings a chart panel publishes: angles, offsets, zoom, orthogonal or rotated view.
// Setters store and, when the value changed, ask the owner to repaint; the offsets always tell who follows
// scrolling, and a zoom change is told before it is stored. Angles are checked by the editors, not here.
#pragma once

#include <functional>

namespace fv {

class TView3DOptions {
public:
    // `repaint` is the owner panel's repaint.
    explicit TView3DOptions(std::function<void()> repaint = {}) : Repaint(std::move(repaint)) {}

    int Elevation() const { return elevation; }
    void SetElevation(int v) { Store(elevation, v); }
    int HorizOffset() const { return horizOffset; }
    void SetHorizOffset(int v);
    bool Orthogonal() const { return orthogonal; }
    void SetOrthogonal(bool v) { Store(orthogonal, v); }
    int Rotation() const { return rotation; }
    void SetRotation(int v) { Store(rotation, v); }
    int Tilt() const { return tilt; }
    void SetTilt(int v) { Store(tilt, v); }
    int VertOffset() const { return vertOffset; }
    void SetVertOffset(int v);
    int Zoom() const { return zoom; }
    void SetZoom(int v);
    bool ZoomText() const { return zoomText; }
    void SetZoomText(bool v) { Store(zoomText, v); }

    // Copies the eight values without repainting.
    void Assign(const TView3DOptions& other);

    std::function<void()> Repaint;
    // Hooks of the chart's user interface, not stored: scrolling (horizontal or not) and the new zoom.
    std::function<void(bool horizontal)> OnScroll;
    std::function<void(int zoom)> OnZoom;

private:
    template <class T> void Store(T& field, T v) {
        if (field == v) return;
        field = v;
        if (Repaint) Repaint();
    }
    int elevation = 345;
    int horizOffset = 0;
    bool orthogonal = true;
    int rotation = 345;
    int tilt = 0;
    int vertOffset = 0;
    int zoom = 100;
    bool zoomText = true;
};

}  // namespace fv
