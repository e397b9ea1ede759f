// Where a lower room keeps the interface the room above it implements: the host handed
// over, or until then (and in tests that hand over none) a fallback that does nothing.
#pragma once

template <class Interface, class Fallback>
class HostSlot {
public:
    void Set(Interface* host) { host_ = host; }
    Interface& Get()
    {
        static Fallback none;
        return host_ ? *host_ : none;
    }

private:
    Interface* host_ = nullptr;
};
