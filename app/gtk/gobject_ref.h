/// \file
/// \brief Owning references to GObjects.
#pragma once

#include <utility>

#include <glib-object.h>

namespace qel::gtk {

/// Holds one reference to a GObject and drops it when it goes; move-only. Adopt() takes over a
/// reference the caller already holds (the result of a *_new function); Ref() adds one.
template <typename T> class GObjectRef {
public:
    GObjectRef() = default;
    ~GObjectRef() { reset(); }
    GObjectRef(const GObjectRef &) = delete;
    GObjectRef &operator=(const GObjectRef &) = delete;
    GObjectRef(GObjectRef &&other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    GObjectRef &operator=(GObjectRef &&other) noexcept
    {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }

    static GObjectRef Adopt(T *object)
    {
        GObjectRef ref;
        ref.object_ = object;
        return ref;
    }
    /// Sinks a floating reference (a new widget) or adds one.
    static GObjectRef Ref(T *object)
    {
        GObjectRef ref;
        ref.object_ = object ? static_cast<T *>(g_object_ref_sink(object)) : nullptr;
        return ref;
    }

    T *get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    void reset()
    {
        if (object_) {
            g_object_unref(std::exchange(object_, nullptr));
        }
    }

private:
    T *object_ = nullptr;
};

} // namespace qel::gtk
