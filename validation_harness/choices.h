// Where a random session takes its choices from: a seed (the validator and
// the tests, so that any failure replays from the seed it prints) or the
// bytes of a fuzzer's input.
#pragma once

#include <cstddef>
#include <cstdint>

namespace validation {

class Choices {
public:
    virtual ~Choices() = default;
    // A number from 0 to bound - 1; bound >= 1.
    virtual int Pick(int bound) = 0;
    // False once nothing more can be taken (a fuzzer's input is used up).
    virtual bool More() const = 0;
};

// Choices from a seed (SplitMix64): the same seed gives the same choices on
// every platform.
class SeededChoices : public Choices {
public:
    explicit SeededChoices(std::uint64_t seed) : state_(seed) {}
    int Pick(int bound) override;
    bool More() const override { return true; }

private:
    std::uint64_t state_;
};

// Choices read from bytes, one byte a choice (two for a bound over 256);
// past the end every choice is 0.
class ByteChoices : public Choices {
public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    int Pick(int bound) override;
    bool More() const override { return next_ < size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t next_ = 0;
};

}  // namespace validation
