#include "cleaner/system_actions.h"

#include "platform/clipboard.h"

#include <shellapi.h>

namespace aw {

namespace {

// Global memory that is freed unless the clipboard took it over.
class GlobalMemory {
public:
    explicit GlobalMemory(SIZE_T size) : memory_(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size)) {}
    ~GlobalMemory()
    {
        if (memory_)
            GlobalFree(memory_);
    }
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    HGLOBAL get() const { return memory_; }
    void release() { memory_ = nullptr; }

private:
    HGLOBAL memory_;
};

} // namespace

void EmptyRecycleBins(HWND owner)
{
    // An empty root path means every drive's recycle bin.
    SHEmptyRecycleBinA(owner, "", SHERB_NOCONFIRMATION);
}

void ClearClipboard(HWND owner)
{
    OpenedClipboard clipboard(owner);
    if (!clipboard.isOpen())
        return;
    EmptyClipboard();
    // One zero byte: an empty text (GMEM_ZEROINIT has written it).
    GlobalMemory text(1);
    if (text.get() && SetClipboardData(CF_TEXT, text.get()))
        text.release(); // the clipboard owns it now
}

} // namespace aw
