#pragma once
// A growable byte buffer with a read/write position: the container every skin-loading step
// hands to the next (compressed skin in, decompressed package, extracted entries out).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace aw::skin {

class MemoryStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    MemoryStream(const void* data, std::size_t size);

    const std::uint8_t* Data() const { return bytes_.data(); }
    std::size_t Size() const { return bytes_.size(); }
    bool Empty() const { return bytes_.empty(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

    std::size_t Position() const { return position_; }
    // Positions past the end are clamped to the end.
    void Seek(std::size_t position);
    void Rewind() { position_ = 0; }
    std::size_t Remaining() const { return bytes_.size() - position_; }

    // Empties the stream and rewinds it.
    void Clear();
    void Reserve(std::size_t capacity) { bytes_.reserve(capacity); }
    // Drops everything after `size` bytes; the position is clamped.
    void Truncate(std::size_t size);

    // Copies up to `count` bytes from the position on; returns how many were copied.
    std::size_t Read(void* destination, std::size_t count);
    // Writes at the position, overwriting and then growing the buffer.
    void Write(const void* source, std::size_t count);
    void WriteByte(std::uint8_t value);

    // Moves the buffer out, leaving the stream empty.
    std::vector<std::uint8_t> Release();

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace aw::skin
