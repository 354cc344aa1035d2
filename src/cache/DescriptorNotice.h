// Told of each leaf-2 descriptor byte missing from the descriptor table.
#pragma once
#include <cstdint>

// Not deleted through this interface (see PageControls).
class DescriptorNotice {
public:
    virtual void UnknownDescriptor(uint32_t descriptor) = 0;

protected:
    ~DescriptorNotice() = default;
};
