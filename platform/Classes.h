#pragma once
// Object model shared by every component: ownership, names, sets and notify events.

#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
};

class TPersistent : public TObject {};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// A set of up to 64 enumeration values, the way the components' option flags are declared.
template <typename E> class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items) {
        for (E e : items) bits_ |= bit(e);
    }
    static constexpr TSet FromBits(uint64_t b) {
        TSet s;
        s.bits_ = b;
        return s;
    }
    constexpr bool Contains(E e) const { return (bits_ & bit(e)) != 0; }
    constexpr TSet& Include(E e) {
        bits_ |= bit(e);
        return *this;
    }
    constexpr TSet& Exclude(E e) {
        bits_ &= ~bit(e);
        return *this;
    }
    constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
    constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
    constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
    constexpr TSet& operator+=(TSet o) { return *this = *this + o; }
    constexpr TSet& operator-=(TSet o) { return *this = *this - o; }
    constexpr bool operator==(const TSet&) const = default;
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr uint64_t Bits() const { return bits_; }

private:
    static constexpr uint64_t bit(E e) { return uint64_t(1) << static_cast<unsigned>(e); }
    uint64_t bits_ = 0;
};

enum class TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateItem>;
enum class TOperation { opInsert, opRemove };

// A component belongs to its owner, which frees it; freeing a component first takes it out of
// its owner's list, so either side may end the relationship.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    const QString& Name() const { return FName; }
    virtual void SetName(const QString& Value) { FName = Value; }
    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t Value) { FTag = Value; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const { return FComponents.at(Index); }
    TComponent* FindComponent(const QString& AName) const;
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);

    TComponentState ComponentState() const { return FComponentState; }
    bool IsLoading() const { return FComponentState.Contains(TComponentStateItem::csLoading); }
    bool IsDestroying() const {
        return FComponentState.Contains(TComponentStateItem::csDestroying);
    }
    // Marks this component and everything it owns as being read from a resource.
    void BeginLoading();
    // Ends loading on this component and everything it owns, calling Loaded on each.
    void EndLoading();
    // Called once after the resource has set every published property.
    virtual void Loaded();
    // Told when a component this one has asked about (FreeNotification) goes away.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

protected:
    void SetDestroying() { FComponentState.Include(TComponentStateItem::csDestroying); }
    void DestroyComponents();

private:
    TComponent* FOwner = nullptr;
    QString FName;
    intptr_t FTag = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FComponentState;
};
