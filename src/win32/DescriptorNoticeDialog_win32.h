// The notice for a leaf-2 descriptor missing from the table, as a message dialog.
#pragma once
#include "cache/DescriptorNotice.h"

class DescriptorNoticeDialog : public DescriptorNotice {
public:
    void UnknownDescriptor(uint32_t descriptor) override;
};
