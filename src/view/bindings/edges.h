// The model's raised and lowered edges as the framed widgets draw them (panels and bevels).
#pragma once

#include "platform/ui/bevel.h"
#include "view/widgets.h"

namespace fv {

inline Edge ToEdge(BevelKind k) {
    switch (k) {
    case BevelKind::Lowered: return Edge::Lowered;
    case BevelKind::Raised: return Edge::Raised;
    case BevelKind::None: break;
    }
    return Edge::None;
}

}  // namespace fv
