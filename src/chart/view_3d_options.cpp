// 3D view settings: the setters with notifications.
#include "chart/view_3d_options.h"

namespace fv {

void TView3DOptions::SetHorizOffset(int v) {
    Store(horizOffset, v);
    if (OnScroll) OnScroll(true);
}

void TView3DOptions::SetVertOffset(int v) {
    Store(vertOffset, v);
    if (OnScroll) OnScroll(false);
}

void TView3DOptions::SetZoom(int v) {
    if (zoom == v) return;
    if (OnZoom) OnZoom(v);
    zoom = v;
    if (Repaint) Repaint();
}

void TView3DOptions::Assign(const TView3DOptions& other) {
    elevation = other.elevation;
    horizOffset = other.horizOffset;
    orthogonal = other.orthogonal;
    rotation = other.rotation;
    tilt = other.tilt;
    vertOffset = other.vertOffset;
    zoom = other.zoom;
    zoomText = other.zoomText;
}

}  // namespace fv
