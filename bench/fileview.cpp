#include "bench/fileview.h"

#include <windows.h>
#include <io.h>

#include <atomic>
#include <cstring>
#include <new>

// 4 MB of the file at a time: a few calls into the system for a whole store,
// and little memory held.
static const long long WINDOWSIZE = 4 << 20;

struct FileView {
    HANDLE section;
    long long size;       // of the file when it was mapped
    long long at;         // the reader's position
    char *window;         // the part mapped now; null for none
    long long windowat;   // where in the file it begins
    size_t windowsize;
    bool zeroed;          // a fault put zeros where the window was
    void *handler;
};

// The view being copied from, for the handler of its faults.
static FileView *volatile copying = nullptr;
static volatile LONG faulted = 0;

// A read error or a file cut short under the view raises a fault in the copy
// (there is no __try in this compiler).  The window's pages are replaced by
// zeros at the same addresses, so that the copy runs to its end; the read is
// then told that it failed.
static LONG CALLBACK viewfault(EXCEPTION_POINTERS *e)
{
    FileView *view = copying;
    const EXCEPTION_RECORD *r = e->ExceptionRecord;
    if (view == nullptr || view->window == nullptr || view->zeroed || r->NumberParameters < 2 ||
        (r->ExceptionCode != EXCEPTION_IN_PAGE_ERROR && r->ExceptionCode != EXCEPTION_ACCESS_VIOLATION))
        return EXCEPTION_CONTINUE_SEARCH;
    ULONG_PTR address = r->ExceptionInformation[1];
    ULONG_PTR low = reinterpret_cast<ULONG_PTR>(view->window);
    if (address < low || address - low >= view->windowsize || !UnmapViewOfFile(view->window))
        return EXCEPTION_CONTINUE_SEARCH;
    if (VirtualAlloc(view->window, view->windowsize, MEM_RESERVE | MEM_COMMIT, PAGE_READONLY) != view->window) {
        view->window = nullptr;
        return EXCEPTION_CONTINUE_SEARCH;
    }
    view->zeroed = true;
    faulted = 1;
    return EXCEPTION_CONTINUE_EXECUTION;
}

static void dropwindow(FileView *view)
{
    if (view->window != nullptr) {
        if (view->zeroed)
            VirtualFree(view->window, 0, MEM_RELEASE);
        else
            UnmapViewOfFile(view->window);
    }
    view->window = nullptr;
    view->zeroed = false;
}

// Maps the window that holds size bytes from at, beginning at a multiple of
// the system's granularity at or before it.
static bool mapwindow(FileView *view, long long at, size_t size)
{
    dropwindow(view);
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    long long start = at - at % static_cast<long long>(system.dwAllocationGranularity);
    long long length = WINDOWSIZE;
    if (length < at - start + static_cast<long long>(size)) length = at - start + static_cast<long long>(size);
    if (length > view->size - start) length = view->size - start;
    if (length <= 0 || static_cast<unsigned long long>(length) > static_cast<SIZE_T>(-1)) return false;
    view->window = static_cast<char *>(MapViewOfFile(view->section, FILE_MAP_READ, static_cast<DWORD>(start >> 32),
                                                     static_cast<DWORD>(start & 0xffffffff), static_cast<SIZE_T>(length)));
    view->windowat = start;
    view->windowsize = static_cast<size_t>(length);
    return view->window != nullptr;
}

FileView *viewopen(FILE *stream)
{
    HANDLE file = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    LARGE_INTEGER size;
    long long at = _ftelli64(stream);
    if (file == INVALID_HANDLE_VALUE || !GetFileSizeEx(file, &size) || size.QuadPart <= 0 || at < 0) return nullptr;
    HANDLE section = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (section == nullptr) return nullptr;
    FileView *view = new (std::nothrow) FileView;
    void *handler = view == nullptr ? nullptr : AddVectoredExceptionHandler(1, viewfault);
    if (handler == nullptr) {
        delete view;
        CloseHandle(section);
        return nullptr;
    }
    *view = FileView{section, size.QuadPart, at, nullptr, 0, 0, false, handler};
    return view;
}

ViewRead viewread(FileView *view, void *buffer, size_t size, size_t *got)
{
    *got = 0;
    if (view->at >= view->size) return VIEWREAD;
    if (static_cast<long long>(size) > view->size - view->at) size = static_cast<size_t>(view->size - view->at);
    if (view->zeroed) return VIEWFAILED;
    if ((view->window == nullptr || view->at < view->windowat ||
         view->at + static_cast<long long>(size) > view->windowat + static_cast<long long>(view->windowsize)) &&
        !mapwindow(view, view->at, size))
        return VIEWGONE;
    faulted = 0;
    copying = view;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    memcpy(buffer, view->window + (view->at - view->windowat), size);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    copying = nullptr;
    if (faulted) return VIEWFAILED;
    view->at += static_cast<long long>(size);
    *got = size;
    return VIEWREAD;
}

void viewskip(FileView *view, size_t size)
{
    view->at += static_cast<long long>(size);
}

bool viewclose(FileView *view, FILE *stream)
{
    bool ok = stream == nullptr || _fseeki64(stream, view->at, SEEK_SET) == 0;
    dropwindow(view);
    CloseHandle(view->section);
    RemoveVectoredExceptionHandler(view->handler);
    delete view;
    return ok;
}
