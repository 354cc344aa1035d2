// measuredMhz and frequencyText, handed between threads without a torn text.
#include "cpu/FrequencyResult.h"

std::atomic<uint32_t> measuredMhz{0};

// frequencyText is a sequence lock: the sequence is odd while a writer is
// inside; a reader copies and retries until it saw the same even sequence
// before and after. Writers take turns through an exchange-based lock (XCHG is
// what a 386 has; compare-exchange came with the 486), so the page's
// "Calculating..." and a worker can publish at once. The bytes are relaxed atomics
// so that a copy racing a writer is well defined and simply retried.
static std::atomic<uint32_t> frequencyWriter{0};
static std::atomic<uint32_t> frequencySequence{0};
static std::atomic<char> frequencyBytes[kFrequencyTextSize];

void PublishFrequencyText(const char* text) {
    // A writer holds the lock only while it copies at most 128 bytes.
    while (frequencyWriter.exchange(1, std::memory_order_acquire) != 0) {
    }
    const uint32_t sequence = frequencySequence.load(std::memory_order_relaxed);
    frequencySequence.store(sequence + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    size_t length = 0;
    while (length + 1 < kFrequencyTextSize && text[length] != '\0') {
        frequencyBytes[length].store(text[length], std::memory_order_relaxed);
        ++length;
    }
    frequencyBytes[length].store('\0', std::memory_order_relaxed);
    frequencySequence.store(sequence + 2, std::memory_order_release);
    frequencyWriter.store(0, std::memory_order_release);
}

// The copy is bounded by the buffer as well: a writer caught halfway may have
// overwritten the old terminator, and that copy is discarded anyway.
void ReadFrequencyText(char* out, size_t cap) {
    if (cap == 0) return;
    for (;;) {
        const uint32_t before = frequencySequence.load(std::memory_order_acquire);
        size_t length = 0;
        while (length + 1 < cap && length < kFrequencyTextSize) {
            const char c = frequencyBytes[length].load(std::memory_order_relaxed);
            if (c == '\0') break;
            out[length++] = c;
        }
        out[length] = '\0';
        std::atomic_thread_fence(std::memory_order_acquire);
        if ((before & 1) == 0 && frequencySequence.load(std::memory_order_relaxed) == before) return;
    }
}

void ResetFrequencyResult() {
    measuredMhz.store(0, std::memory_order_relaxed);
    PublishFrequencyText("");
}
