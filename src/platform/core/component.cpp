// Component ownership.
#include "platform/core/component.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <stdexcept>

namespace fv {

namespace {

std::atomic<std::uint64_t> ownershipChanges{0};

}  // namespace

std::uint64_t Component::OwnershipChanges() { return ownershipChanges.load(std::memory_order_relaxed); }

void Component::CountOwnershipChange() { ownershipChanges.fetch_add(1, std::memory_order_relaxed); }

Component::Component(Component* owner, std::string name) : name_(std::move(name)), owner_(owner) {
    if (owner_) {
        CountOwnershipChange();
        owner_->owned_.emplace_back(this);
        owner_->ownedOrder_.push_back(this);
        owner_->Index(this);
    }
}

void Component::SetName(std::string name) {
    if (name == name_) return;
    if (owner_) CountOwnershipChange();
    if (owner_) owner_->Unindex(this);  // the key views the old name: out before it changes
    name_ = std::move(name);
    if (owner_) owner_->Index(this);
}

void Component::Index(Component* c) {
    if (!c->name_.empty()) byName_.emplace(std::string_view(c->name_), c);
}

void Component::Unindex(Component* c) {
    if (c->name_.empty()) return;
    auto [first, last] = byName_.equal_range(std::string_view(c->name_));
    for (auto it = first; it != last; ++it)
        if (it->second == c) {
            byName_.erase(it);
            return;
        }
}

Component::~Component() {
    // Tell the linked components first; each drops its end of the link, so the list does not change
    // under the loop's feet.
    std::vector<Component*> links = std::move(freeLinks_);
    freeLinks_.clear();
    for (Component* c : links) {
        c->freeLinks_.erase(std::remove(c->freeLinks_.begin(), c->freeLinks_.end(), this), c->freeLinks_.end());
        c->Notification(this);
    }
    DestroyOwned();
}

void Component::FreeNotification(Component* other) {
    if (!other || other == this) return;
    if (std::find(freeLinks_.begin(), freeLinks_.end(), other) != freeLinks_.end()) return;
    freeLinks_.push_back(other);
    other->freeLinks_.push_back(this);
}

void Component::RemoveFreeNotification(Component* other) {
    if (!other) return;
    freeLinks_.erase(std::remove(freeLinks_.begin(), freeLinks_.end(), other), freeLinks_.end());
    other->freeLinks_.erase(std::remove(other->freeLinks_.begin(), other->freeLinks_.end(), this),
                            other->freeLinks_.end());
}

void Component::DestroyOwned() {
    // Later components may refer to earlier ones (a control to its parent), so free them in reverse.
    while (!owned_.empty()) {
        CountOwnershipChange();
        std::unique_ptr<Component> last = std::move(owned_.back());
        owned_.pop_back();
        ownedOrder_.pop_back();
        Unindex(last.get());
        last->owner_ = nullptr;
        last.reset();
    }
}

Component* Component::FindComponent(const std::string& name) const {
    if (name.empty()) {
        for (Component* c : ownedOrder_)
            if (c->name_.empty()) return c;
        return nullptr;
    }
    auto [first, last] = byName_.equal_range(std::string_view(name));
    if (first == last) return nullptr;
    if (std::next(first) == last) return first->second;
    // Several of the name: the first in the creation order.
    for (Component* c : ownedOrder_)
        if (c->name_ == name) return c;
    return nullptr;
}

MessageLoop* Component::Loop() const { return owner_ ? owner_->Loop() : nullptr; }

MessageLoop& Component::LoopFrom(Component* owner, MessageLoop* given) {
    if (given) return *given;
    if (owner && owner->Loop()) return *owner->Loop();
    throw std::logic_error("A component that waits for events needs a message loop: give one or an owner that has one");
}

void Component::FreeComponent(Component* c) {
    auto it = std::find_if(owned_.begin(), owned_.end(), [c](const auto& p) { return p.get() == c; });
    if (it == owned_.end()) return;
    CountOwnershipChange();
    std::unique_ptr<Component> gone = std::move(*it);
    owned_.erase(it);
    ownedOrder_.erase(std::find(ownedOrder_.begin(), ownedOrder_.end(), c));
    Unindex(c);
    gone->owner_ = nullptr;
}

void Component::InsertComponent(Component* c) {
    if (!c || c->owner_ == this) return;
    CountOwnershipChange();
    std::unique_ptr<Component> taken(c);
    if (Component* from = c->owner_) {
        auto it = std::find_if(from->owned_.begin(), from->owned_.end(), [c](const auto& p) { return p.get() == c; });
        it->release();
        from->owned_.erase(it);
        from->ownedOrder_.erase(std::find(from->ownedOrder_.begin(), from->ownedOrder_.end(), c));
        from->Unindex(c);
    }
    c->owner_ = this;
    owned_.push_back(std::move(taken));
    ownedOrder_.push_back(c);
    Index(c);
}

void Component::ExchangeComponents(Component* a, Component* b) {
    auto ia = std::find(ownedOrder_.begin(), ownedOrder_.end(), a);
    auto ib = std::find(ownedOrder_.begin(), ownedOrder_.end(), b);
    if (ia != ownedOrder_.end() && ib != ownedOrder_.end()) {
        CountOwnershipChange();
        std::iter_swap(ia, ib);
    }
}

}  // namespace fv
