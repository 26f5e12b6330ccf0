#pragma once
#include <functional>

// Root of everything that can send an event.
class TObject {
public:
    virtual ~TObject() = default;
};

// An event handler: takes the object that sent the event.
using TNotifyEvent = std::function<void(TObject* sender)>;
