// The canvas of a paint event: a host handle that lives for one call of the
// paint handler. Never created or destroyed at the host.
#pragma once

class MQCanvas {
public:
    explicit MQCanvas(void* canvasHandle) : handle(canvasHandle) {}
    virtual ~MQCanvas() = default;
    MQCanvas(const MQCanvas&) = delete;
    MQCanvas& operator=(const MQCanvas&) = delete;

    // The host's opaque canvas handle; null when the event carried none.
    void* GetHandle() const { return handle; }

private:
    void* handle;
};
