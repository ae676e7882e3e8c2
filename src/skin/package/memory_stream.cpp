#include "skin/package/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace aw::skin {

MemoryStream::MemoryStream(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (size > 0)
        bytes_.assign(bytes, bytes + size);
}

void MemoryStream::Seek(std::size_t position)
{
    position_ = std::min(position, bytes_.size());
}

void MemoryStream::Clear()
{
    bytes_.clear();
    position_ = 0;
}

void MemoryStream::Truncate(std::size_t size)
{
    if (size < bytes_.size())
        bytes_.resize(size);
    position_ = std::min(position_, bytes_.size());
}

std::size_t MemoryStream::Read(void* destination, std::size_t count)
{
    const std::size_t n = std::min(count, Remaining());
    if (n > 0)
        std::memcpy(destination, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

void MemoryStream::Write(const void* source, std::size_t count)
{
    if (count == 0)
        return;
    const auto* bytes = static_cast<const std::uint8_t*>(source);
    const std::size_t overlap = std::min(count, bytes_.size() - position_);
    if (overlap > 0)
        std::memcpy(bytes_.data() + position_, bytes, overlap);
    bytes_.insert(bytes_.end(), bytes + overlap, bytes + count);
    position_ += count;
}

void MemoryStream::WriteByte(std::uint8_t value)
{
    if (position_ < bytes_.size())
        bytes_[position_] = value;
    else
        bytes_.push_back(value);
    ++position_;
}

std::vector<std::uint8_t> MemoryStream::Release()
{
    std::vector<std::uint8_t> out = std::move(bytes_);
    bytes_.clear();
    position_ = 0;
    return out;
}

}  // namespace aw::skin
