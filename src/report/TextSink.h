// Where the report's texts go: the report file in the executable, a byte buffer in tests.
#pragma once

// Not deleted through this interface (see PageControls).
class TextSink {
public:
    // Writes the text without its terminating zero.
    virtual void WriteText(const char* text) = 0;

protected:
    ~TextSink() = default;
};

// Writes text with "&", "<", ">" and '"' as HTML entities: texts from outside the program
// (volume labels, the brand string, the service pack) must not change the report's markup.
void WriteEscaped(TextSink& file, const char* text);
