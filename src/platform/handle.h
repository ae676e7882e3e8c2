#pragma once
// Owning wrappers for the Win32 objects the program creates. One template owns them all; a
// small policy per kind of object says which value means "no object" and how the object is
// given back. GDI objects and image lists are in platform/gdi.h.
#include <windows.h>

#include <utility>

namespace aw {

// Owns one object: given back on destruction or Reset, handed over by a move or Release.
// Policy has `Handle`, `Empty()` (the value a wrapper holds when it owns nothing), `IsValid(h)`
// and `Close(h)`.
template <typename Policy>
class UniqueResource {
public:
    using Handle = typename Policy::Handle;

    UniqueResource() = default;
    explicit UniqueResource(Handle handle) : handle_(handle) {}
    ~UniqueResource() { Reset(); }

    UniqueResource(UniqueResource&& other) noexcept : handle_(other.Release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return Policy::IsValid(handle_); }

    Handle Release() { return std::exchange(handle_, Policy::Empty()); }
    void Reset(Handle handle = Policy::Empty())
    {
        Handle old = std::exchange(handle_, handle);
        if (Policy::IsValid(old))
            Policy::Close(old);
    }

private:
    Handle handle_ = Policy::Empty();
};

// The policy of most objects: NULL means "no object", and one call gives an object back.
template <typename Object, auto CloseFunction>
struct ClosedWith {
    using Handle = Object;
    static Handle Empty() { return nullptr; }
    static bool IsValid(Handle handle) { return handle != nullptr; }
    static void Close(Handle handle) { CloseFunction(handle); }
};

// Kernel objects (threads, processes, events, files, tokens, snapshots). Both NULL and
// INVALID_HANDLE_VALUE mean "no object": CreateThread fails with the one, CreateFile with the
// other.
struct KernelHandlePolicy : ClosedWith<HANDLE, &::CloseHandle> {
    static bool IsValid(Handle handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
};
using UniqueHandle = UniqueResource<KernelHandlePolicy>;

// Directory searches: FindFirstFileA fails with INVALID_HANDLE_VALUE, which is also "empty".
struct FindHandlePolicy : ClosedWith<HANDLE, &::FindClose> {
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle handle) { return handle != INVALID_HANDLE_VALUE; }
};
using UniqueFindHandle = UniqueResource<FindHandlePolicy>;

// Menus the program builds itself (a menu attached to a window is destroyed with it), and
// libraries loaded with LoadLibraryA.
using UniqueMenu = UniqueResource<ClosedWith<HMENU, &::DestroyMenu>>;
using UniqueLibrary = UniqueResource<ClosedWith<HMODULE, &::FreeLibrary>>;

} // namespace aw
