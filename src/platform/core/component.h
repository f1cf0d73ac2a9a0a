// Component: the root of the control model. A component has a name, an owner that frees it, and a tag.
// The owner chain ends at a component that knows the message loop (the application, in the program), which
// gives every component below it access to that loop.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace fv {

class MessageLoop;
class Component;

// The standard event: the sender is the component that fired it.
using NotifyEvent = std::function<void(Component* sender)>;

class Component {
public:
    explicit Component(Component* owner = nullptr, std::string name = {});
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name);
    Component* Owner() const { return owner_; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Components this one owns, in creation order.
    const std::vector<Component*>& Components() const { return ownedOrder_; }
    // The first owned component of the name in the creation order, or nullptr. Found through an index of
    // the owned components by name, kept as components are made, freed, moved, renamed or exchanged.
    Component* FindComponent(const std::string& name) const;
    // Swaps the places of two owned components in the creation order (which a stored form keeps).
    void ExchangeComponents(Component* a, Component* b);
    template <class T> T* Find(const std::string& name) const { return dynamic_cast<T*>(FindComponent(name)); }
    // A count, over the whole process, of the changes that can change what a look-up by name finds: a
    // component made with an owner, freed by its owner, renamed while owned, moved to another owner, or
    // exchanged in its owner's order. A control found by name may be kept and used again, without looking
    // it up, for as long as the count has not moved.
    static std::uint64_t OwnershipChanges();

    // Asks to hear (Notification) when `other` is freed. The link goes both ways and ends when either
    // component goes, so neither is ever told about the other after it has gone.
    void FreeNotification(Component* other);
    void RemoveFreeNotification(Component* other);

    // The loop of the application at the end of the owner chain; null for a free-standing component.
    virtual MessageLoop* Loop() const;
    // The loop a component that waits for events runs on: the one given, else its owner's; a component
    // with neither is a programming error (std::logic_error).
    static MessageLoop& LoopFrom(Component* owner, MessageLoop* given);

    // Creates a component owned by this one.
    template <class T, class... Args> T* Make(Args&&... args) {
        return new T(this, std::forward<Args>(args)...);
    }

    // Frees an owned component now.
    void FreeComponent(Component* c);
    // Takes c over from its present owner (if any): this one frees it from now on, and it comes last in
    // this one's creation order.
    void InsertComponent(Component* c);

protected:
    // Called when the owner frees its components, before any of them is deleted.
    virtual void BeforeDestroy() {}
    // `gone` is being freed (a component this one asked FreeNotification of): forget it. It is already
    // half taken apart, so compare the pointer and do not call it.
    virtual void Notification(Component* gone) {}
    void DestroyOwned();

private:
    // The index holds every owned component with a name; each key is a view of that component's own name.
    void Index(Component* c);
    void Unindex(Component* c);
    static void CountOwnershipChange();

    std::string name_;
    Component* owner_ = nullptr;
    int tag_ = 0;
    std::vector<Component*> ownedOrder_;
    std::vector<std::unique_ptr<Component>> owned_;
    std::unordered_multimap<std::string_view, Component*> byName_;
    std::vector<Component*> freeLinks_;  // both ends of each FreeNotification link
};

}  // namespace fv
