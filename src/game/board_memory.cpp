// SPDX-License-Identifier: GPL-3.0-or-later
// The board is written in short spans scattered over all of it; with 4 KB pages nearly every
// span costs a page-table walk, with 2 MB pages a few dozen cover the whole board.
#include "game/board_memory.h"

#include <algorithm>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace game {

namespace {

constexpr std::size_t largePage = std::size_t(2) << 20;

struct Mapping
{
    void *start;
    std::size_t length;
};

void unmap(void *info)
{
    const auto *mapping = static_cast<Mapping *>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

} // namespace

QImage imageInLargePages(QSize size)
{
    const qsizetype stride = qsizetype(size.width()) * 4;
    const std::size_t bytes = std::size_t(stride) * std::size_t(std::max(size.height(), 0));
    if (bytes < largePage)
        return QImage(size, QImage::Format_RGB32);
    // A mapping of its own rather than the heap's memory, which may already sit in small
    // pages; mapped with room to start on a large page, the rest given back.
    const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
    const std::size_t length = (bytes + page - 1) / page * page;
    void *mapped = mmap(nullptr, length + largePage, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return QImage(size, QImage::Format_RGB32);
    const auto address = reinterpret_cast<std::uintptr_t>(mapped);
    const std::size_t head = (largePage - address % largePage) % largePage;
    auto *start = static_cast<uchar *>(mapped) + head;
    if (head > 0)
        munmap(mapped, head);
    munmap(start + length, largePage - head);
    // Only the stretches wholly inside the image are asked for in large pages, so no tail of
    // one is made resident for nothing.
#ifdef MADV_HUGEPAGE
    madvise(start, bytes / largePage * largePage, MADV_HUGEPAGE);
#endif
    return QImage(start, size.width(), size.height(), stride, QImage::Format_RGB32, unmap,
                  new Mapping{start, length});
}

} // namespace game
