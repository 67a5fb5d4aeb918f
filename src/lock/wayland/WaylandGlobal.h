#pragma once

#include <QtWaylandClient/QWaylandClientExtensionTemplate>

// A global the compositor announces (the manager interface of a protocol), bound as soon as
// Qt's registry has seen it and destroyed with this object. Protocol is the class Qt's wayland
// scanner generated for the global's interface; isActive() tells whether the compositor offers
// it.
template <typename Protocol>
class CWaylandGlobal : public QWaylandClientExtensionTemplate<CWaylandGlobal<Protocol>>,
                       public Protocol
{
public:
    explicit CWaylandGlobal(int version = 1)
        : QWaylandClientExtensionTemplate<CWaylandGlobal<Protocol>>(version)
    {
        // Binds at once when the compositor announced the global already.
        this->initialize();
    }
    ~CWaylandGlobal() override
    {
        if (this->isInitialized())
            this->destroy();
    }
    CWaylandGlobal(const CWaylandGlobal&) = delete;
    CWaylandGlobal& operator=(const CWaylandGlobal&) = delete;

    // Whether the compositor offers the global and it is bound.
    bool isBound() const { return this->isActive() && this->isInitialized(); }
};
