// The feature-flag table: every bit the vendors' manuals define in the record's eight feature
// words, by sheet label and operating-system name (sources: docs/feature-flags.md).
#include "cpu/FeatureFlags.h"

#include "resource.h"

namespace {

constexpr uint8_t kIntel = 0;   // vendorIndex of "GenuineIntel"
constexpr uint8_t kAmd = 1;     // vendorIndex of "AuthenticAMD"

// Sheet texts of the first two flag pages are their labels as they stand; the others fit a
// label 94 dialog units wide. Operating-system names are those of /proc/cpuinfo; a bit that it
// keeps to itself or lacks has a name in the same manner; a copy of a leaf 1 EDX bit has none,
// as operating systems show it once.
// clang-format off
constexpr FeatureFlag kFeaturesEdx[] = {   // leaf 1 EDX
//  bit vendor      sheet text                                      OS name
    { 0, kAnyVendor, "Floating Point Unit on Chip",                 "fpu"},
    { 1, kAnyVendor, "Virtual Mode Extension",                      "vme"},
    { 2, kAnyVendor, "Debugging Extension",                         "de"},
    { 3, kAnyVendor, "Page Size Extension",                         "pse"},
    { 4, kAnyVendor, "Time Stamp Counter",                          "tsc"},
    { 5, kAnyVendor, "Model Specific Registers",                    "msr"},
    { 6, kAnyVendor, "Physical Address Extension",                  "pae"},
    { 7, kAnyVendor, "Machine Check Extension",                     "mce"},
    { 8, kAnyVendor, "CMPXCHG8 Instruction Supported",              "cx8"},
    { 9, kAnyVendor, "On-Chip APIC Hardware Supported",             "apic"},
    {11, kAnyVendor, "Fast System Call",                            "sep"},
    {12, kAnyVendor, "Memory Type Range Registers",                 "mtrr"},
    {13, kAnyVendor, "Page Global Enable",                          "pge"},
    {14, kAnyVendor, "Machine Check Architecture",                  "mca"},
    {15, kAnyVendor, "Conditional Move Instruction Supported",      "cmov"},
    {16, kAnyVendor, "Page Attribute Table",                        "pat"},
    {17, kAnyVendor, "36-Bit Page Size Extension",                  "pse36"},
    {18, kAnyVendor, "Processor Serial Number is present and on",   "pn"},
    {19, kAnyVendor, "CLFLUSH Instruction Supported",               "clflush"},
    {21, kAnyVendor, "Debug Store",                                 "dts"},
    {22, kAnyVendor, "Thermal Monitor and Software Cont. Clock",    "acpi"},
    {23, kAnyVendor, "Intel Architecture MMX technology supported", "mmx"},
    {24, kAnyVendor, "Fast floating point save and restore",        "fxsr"},
    {25, kAnyVendor, "Streaming SIMD Extensions Supported",         "sse"},
    {26, kAnyVendor, "Streaming SIMD Extensions 2",                 "sse2"},
    {27, kAnyVendor, "Self-Snoop",                                  "ss"},
    {28, kAnyVendor, "Hyper-Threading Technology",                  "ht"},
    {29, kAnyVendor, "Thermal Monitor Supported",                   "tm"},
    {30, kAnyVendor, "IA-64",                                       "ia64"},
    {31, kAnyVendor, "Signal Break on FERR",                        "pbe"},
};
constexpr FeatureFlag kFeaturesEcx[] = {   // leaf 1 ECX
//  bit vendor      sheet text                        OS name
    { 0, kAnyVendor, "SSE3",                          "pni"},
    { 1, kAnyVendor, "Carry-Less Multiplication",     "pclmulqdq"},
    { 2, kAnyVendor, "64-Bit Debug Store",            "dtes64"},
    { 3, kAnyVendor, "Monitor / MWait",               "monitor"},
    { 4, kAnyVendor, "CPL Qualified Debug Store",     "ds_cpl"},
    { 5, kAnyVendor, "Virtual Machine Extensions",    "vmx"},
    { 6, kAnyVendor, "Safer Mode Extensions",         "smx"},
    { 7, kAnyVendor, "Enhanced SpeedStep Technology", "est"},
    { 8, kAnyVendor, "Thermal Monitor 2",             "tm2"},
    { 9, kAnyVendor, "SSSE3",                         "ssse3"},
    {10, kAnyVendor, "Context ID",                    "cid"},
    {11, kAnyVendor, "Silicon Debug",                 "sdbg"},
    {12, kAnyVendor, "Fused Multiply-Add (FMA3)",     "fma"},
    {13, kAnyVendor, "CMPXCHG16B Instruction",        "cx16"},
    {14, kAnyVendor, "xTPR Update Control",           "xtpr"},
    {15, kAnyVendor, "Perfmon and Debug MSR",         "pdcm"},
    {17, kAnyVendor, "Process Context IDs",           "pcid"},
    {18, kAnyVendor, "Direct Cache Access",           "dca"},
    {19, kAnyVendor, "SSE4.1",                        "sse4_1"},
    {20, kAnyVendor, "SSE4.2",                        "sse4_2"},
    {21, kAnyVendor, "x2APIC",                        "x2apic"},
    {22, kAnyVendor, "MOVBE Instruction",             "movbe"},
    {23, kAnyVendor, "POPCNT Instruction",            "popcnt"},
    {24, kAnyVendor, "TSC Deadline Timer",            "tsc_deadline_timer"},
    {25, kAnyVendor, "AES Instructions",              "aes"},
    {26, kAnyVendor, "XSAVE / XRSTOR",                "xsave"},
    {27, kAnyVendor, "XSAVE Enabled by OS",           "osxsave"},
    {28, kAnyVendor, "AVX",                           "avx"},
    {29, kAnyVendor, "Half-Precision Conversion",     "f16c"},
    {30, kAnyVendor, "RDRAND Instruction",            "rdrand"},
    {31, kAnyVendor, "Running under a Hypervisor",    "hypervisor"},
};
constexpr FeatureFlag kExtFeaturesEdx[] = {   // leaf 0x80000001 EDX
//  bit vendor      sheet text                                  OS name
    { 0, kAnyVendor, "Floating Point Unit on Chip",             ""},
    { 1, kAnyVendor, "Virtual Mode Extension",                  ""},
    { 2, kAnyVendor, "Debugging Extension",                     ""},
    { 3, kAnyVendor, "Page Size Extension",                     ""},
    { 4, kAnyVendor, "Time Stamp Counter",                      ""},
    { 5, kAnyVendor, "Model Specific Registers",                ""},
    { 6, kAnyVendor, "Physical Address Extension",              ""},
    { 7, kAnyVendor, "Machine Check Extension",                 ""},
    { 8, kAnyVendor, "CMPXCHG8 Instruction Supported",          ""},
    { 9, kAnyVendor, "On-Chip APIC Hardware Supported",         ""},
    {11, kAnyVendor, "Fast System Call",                        "syscall"},
    {12, kAnyVendor, "Memory Type Range Registers",             ""},
    {13, kAnyVendor, "Page Global Enable",                      ""},
    {14, kAnyVendor, "Machine Check Architecture",              ""},
    {15, kAnyVendor, "Conditional Move Instruction Supported",  ""},
    {16, kAnyVendor, "Page Attribute Table",                    ""},
    {17, kAnyVendor, "36-Bit Page Size Extension",              ""},
    {19, kAnyVendor, "Multi-Processor Capable",                 "mp"},
    {20, kAnyVendor, "NX",                                      "nx"},
    {22, kAnyVendor, "MMX+ (MMX-SSE, SSE-MEM)",                 "mmxext"},
    {23, kAnyVendor, "MMX",                                     ""},
    {24, kAnyVendor, "Extended MMX",                            ""},
    {25, kAnyVendor, "Fast FXSAVE / FXRSTOR",                   "fxsr_opt"},
    {26, kAnyVendor, "1 GB Pages",                              "pdpe1gb"},
    {27, kAnyVendor, "RDTSCP Instruction",                      "rdtscp"},
    {29, kAnyVendor, "Long Mode (AA-64 only)",                  "lm"},
    {30, kAnyVendor, "Extended 3DNow!",                         "3dnowext"},
    {31, kAnyVendor, "3DNow!",                                  "3dnow"},
};
constexpr FeatureFlag kLeaf7Ebx[] = {   // leaf 7 sub-leaf 0 EBX
//  bit vendor      sheet text                       OS name
    { 0, kAnyVendor, "FS / GS Base Access",          "fsgsbase"},
    { 1, kAnyVendor, "TSC Adjust MSR",               "tsc_adjust"},
    { 2, kAnyVendor, "Software Guard Extensions",    "sgx"},
    { 3, kAnyVendor, "Bit Manipulation 1 (BMI1)",    "bmi1"},
    { 4, kAnyVendor, "Hardware Lock Elision",        "hle"},
    { 5, kAnyVendor, "AVX2",                         "avx2"},
    { 6, kAnyVendor, "FPU Data Pointer on Faults",   "fdp_excptn_only"},
    { 7, kAnyVendor, "Supervisor Exec. Prevention",  "smep"},
    { 8, kAnyVendor, "Bit Manipulation 2 (BMI2)",    "bmi2"},
    { 9, kAnyVendor, "Enhanced REP MOVSB",           "erms"},
    {10, kAnyVendor, "INVPCID Instruction",          "invpcid"},
    {11, kAnyVendor, "Restricted Transactions",      "rtm"},
    {12, kAnyVendor, "RDT Monitoring",               "cqm"},
    {12, kAmd,       "QoS Monitoring",               "cqm"},
    {13, kAnyVendor, "FPU CS and DS Deprecated",     "zero_fcs_fcds"},
    {14, kAnyVendor, "Memory Protection Ext.",       "mpx"},
    {15, kAnyVendor, "RDT Allocation",               "rdt_a"},
    {15, kAmd,       "QoS Enforcement",              "rdt_a"},
    {16, kAnyVendor, "AVX-512 Foundation",           "avx512f"},
    {17, kAnyVendor, "AVX-512 DQ",                   "avx512dq"},
    {18, kAnyVendor, "RDSEED Instruction",           "rdseed"},
    {19, kAnyVendor, "ADCX / ADOX (ADX)",            "adx"},
    {20, kAnyVendor, "Supervisor Access Prev.",      "smap"},
    {21, kAnyVendor, "AVX-512 IFMA",                 "avx512ifma"},
    {23, kAnyVendor, "CLFLUSHOPT Instruction",       "clflushopt"},
    {24, kAnyVendor, "CLWB Instruction",             "clwb"},
    {25, kAnyVendor, "Processor Trace",              "intel_pt"},
    {26, kAnyVendor, "AVX-512 Prefetch",             "avx512pf"},
    {27, kAnyVendor, "AVX-512 Exp. and Recip.",      "avx512er"},
    {28, kAnyVendor, "AVX-512 Conflict Detection",   "avx512cd"},
    {29, kAnyVendor, "SHA Extensions",               "sha_ni"},
    {30, kAnyVendor, "AVX-512 BW",                   "avx512bw"},
    {31, kAnyVendor, "AVX-512 Vector Length",        "avx512vl"},
};
constexpr FeatureFlag kLeaf7Ecx[] = {   // leaf 7 sub-leaf 0 ECX; bits 17-21 are a number, MAWAU
//  bit vendor      sheet text                       OS name
    { 0, kAnyVendor, "PREFETCHWT1 Instruction",      "prefetchwt1"},
    { 1, kAnyVendor, "AVX-512 VBMI",                 "avx512vbmi"},
    { 2, kAnyVendor, "User-Mode Instr. Prevention",  "umip"},
    { 3, kAnyVendor, "Protection Keys (User)",       "pku"},
    { 4, kAnyVendor, "Protection Keys Enabled",      "ospke"},
    { 5, kAnyVendor, "TPAUSE / UMWAIT",              "waitpkg"},
    { 6, kAnyVendor, "AVX-512 VBMI2",                "avx512_vbmi2"},
    { 7, kAnyVendor, "CET Shadow Stack",             "shstk"},
    { 8, kAnyVendor, "Galois Field (GFNI)",          "gfni"},
    { 9, kAnyVendor, "Vector AES",                   "vaes"},
    {10, kAnyVendor, "Vector Carry-Less Multiply",   "vpclmulqdq"},
    {11, kAnyVendor, "AVX-512 VNNI",                 "avx512_vnni"},
    {12, kAnyVendor, "AVX-512 BITALG",               "avx512_bitalg"},
    {13, kAnyVendor, "Total Memory Encryption",      "tme"},
    {14, kAnyVendor, "AVX-512 VPOPCNTDQ",            "avx512_vpopcntdq"},
    {16, kAnyVendor, "5-Level Paging",               "la57"},
    {22, kAnyVendor, "RDPID Instruction",            "rdpid"},
    {23, kAnyVendor, "Key Locker",                   "keylocker"},
    {24, kAnyVendor, "Bus Lock Detection",           "bus_lock_detect"},
    {25, kAnyVendor, "CLDEMOTE Instruction",         "cldemote"},
    {27, kAnyVendor, "MOVDIRI Instruction",          "movdiri"},
    {28, kAnyVendor, "MOVDIR64B Instruction",        "movdir64b"},
    {29, kAnyVendor, "Enqueue Stores (ENQCMD)",      "enqcmd"},
    {30, kAnyVendor, "SGX Launch Control",           "sgx_lc"},
    {31, kAnyVendor, "Protection Keys (Kernel)",     "pks"},
};
constexpr FeatureFlag kLeaf7Edx[] = {   // leaf 7 sub-leaf 0 EDX
//  bit vendor      sheet text                       OS name
    { 1, kAnyVendor, "SGX Attestation Keys",         "sgx_keys"},
    { 2, kAnyVendor, "AVX-512 4VNNIW",               "avx512_4vnniw"},
    { 3, kAnyVendor, "AVX-512 4FMAPS",               "avx512_4fmaps"},
    { 4, kAnyVendor, "Fast Short REP MOV",           "fsrm"},
    { 5, kAnyVendor, "User Interrupts",              "uintr"},
    { 8, kAnyVendor, "AVX-512 VP2INTERSECT",         "avx512_vp2intersect"},
    { 9, kAnyVendor, "SRBDS Mitigation Control",     "srbds_ctrl"},
    {10, kAnyVendor, "VERW Clears Buffers",          "md_clear"},
    {11, kAnyVendor, "RTM Always Aborts",            "rtm_always_abort"},
    {13, kAnyVendor, "TSX Force Abort MSR",          "tsx_force_abort"},
    {14, kAnyVendor, "SERIALIZE Instruction",        "serialize"},
    {15, kAnyVendor, "Hybrid Processor",             "hybrid_cpu"},
    {16, kAnyVendor, "TSX Load Address Tracking",    "tsxldtrk"},
    {18, kAnyVendor, "Platform Configuration",       "pconfig"},
    {19, kAnyVendor, "Architectural LBRs",           "arch_lbr"},
    {20, kAnyVendor, "CET Indirect Branch Track.",   "ibt"},
    {22, kAnyVendor, "AMX BF16",                     "amx_bf16"},
    {23, kAnyVendor, "AVX-512 FP16",                 "avx512_fp16"},
    {24, kAnyVendor, "AMX Tiles",                    "amx_tile"},
    {25, kAnyVendor, "AMX INT8",                     "amx_int8"},
    {26, kAnyVendor, "IBRS and IBPB",                "ibrs_ibpb"},
    {27, kAnyVendor, "Single Thread Ind. Branch",    "intel_stibp"},
    {28, kAnyVendor, "L1 Data Cache Flush",          "flush_l1d"},
    {29, kAnyVendor, "Architectural Capabilities",   "arch_capabilities"},
    {30, kAnyVendor, "Core Capabilities",            "core_capabilities"},
    {31, kAnyVendor, "Store Bypass Disable",         "ssbd"},
};
constexpr FeatureFlag kLeaf7Sub1Eax[] = {   // leaf 7 sub-leaf 1 EAX
//  bit vendor      sheet text                       OS name
    { 0, kAnyVendor, "SHA512 Instructions",          "sha512"},
    { 1, kAnyVendor, "SM3 Instructions",             "sm3"},
    { 2, kAnyVendor, "SM4 Instructions",             "sm4"},
    { 3, kAnyVendor, "Remote Atomics (RAO-INT)",     "rao_int"},
    { 4, kAnyVendor, "AVX-VNNI",                     "avx_vnni"},
    { 5, kAnyVendor, "AVX-512 BF16",                 "avx512_bf16"},
    { 6, kAnyVendor, "Linear Address Space Sep.",    "lass"},
    { 7, kAnyVendor, "CMPccXADD Instructions",       "cmpccxadd"},
    { 8, kAnyVendor, "Arch. Perfmon Extended",       "arch_perfmon_ext"},
    {10, kAnyVendor, "Fast Zero-Length MOVSB",       "fzrm"},
    {11, kAnyVendor, "Fast Short STOSB",             "fsrs"},
    {12, kAnyVendor, "Fast Short CMPSB / SCASB",     "fsrc"},
    {17, kAnyVendor, "Flexible Event Delivery",      "fred"},
    {18, kAnyVendor, "LKGS Instruction",             "lkgs"},
    {19, kAnyVendor, "WRMSRNS Instruction",          "wrmsrns"},
    {21, kAnyVendor, "AMX FP16",                     "amx_fp16"},
    {22, kAnyVendor, "History Reset (HRESET)",       "hreset"},
    {23, kAnyVendor, "AVX-IFMA",                     "avx_ifma"},
    {26, kAnyVendor, "Linear Address Masking",       "lam"},
    {27, kAnyVendor, "MSR List Instructions",        "msrlist"},
    {30, kAnyVendor, "INVD Disabled after BIOS",     "invd_disable_post_bios_done"},
};
constexpr FeatureFlag kExtFeaturesEcx[] = {   // leaf 0x80000001 ECX
//  bit vendor      sheet text                       OS name
    { 0, kAnyVendor, "LAHF / SAHF in Long Mode",     "lahf_lm"},
    { 1, kAnyVendor, "Multi-Core Legacy Mode",       "cmp_legacy"},
    { 2, kAnyVendor, "Secure Virtual Machine",       "svm"},
    { 3, kAnyVendor, "Extended APIC Space",          "extapic"},
    { 4, kAnyVendor, "LOCK MOV CR0 is CR8",          "cr8_legacy"},
    { 5, kAnyVendor, "Advanced Bit Manipulation",    "abm"},
    { 5, kIntel,     "LZCNT Instruction",            "abm"},
    { 6, kAnyVendor, "SSE4a",                        "sse4a"},
    { 7, kAnyVendor, "Misaligned SSE Mode",          "misalignsse"},
    { 8, kAnyVendor, "3DNow! Prefetch",              "3dnowprefetch"},
    { 8, kIntel,     "PREFETCHW Instruction",        "3dnowprefetch"},
    { 9, kAnyVendor, "OS Visible Workaround",        "osvw"},
    {10, kAnyVendor, "Instruction Based Sampling",   "ibs"},
    {11, kAnyVendor, "Extended Operations (XOP)",    "xop"},
    {12, kAnyVendor, "SKINIT / STGI",                "skinit"},
    {13, kAnyVendor, "Watchdog Timer",               "wdt"},
    {15, kAnyVendor, "Lightweight Profiling",        "lwp"},
    {16, kAnyVendor, "Four-Operand FMA (FMA4)",      "fma4"},
    {17, kAnyVendor, "Translation Cache Ext.",       "tce"},
    {19, kAnyVendor, "Node ID MSR",                  "nodeid_msr"},
    {21, kAnyVendor, "Trailing Bit Manipulation",    "tbm"},
    {22, kAnyVendor, "Topology Extensions",          "topoext"},
    {23, kAnyVendor, "Core Performance Counters",    "perfctr_core"},
    {24, kAnyVendor, "NB Performance Counters",      "perfctr_nb"},
    {26, kAnyVendor, "Data Breakpoint Extension",    "bpext"},
    {27, kAnyVendor, "Performance TSC",              "ptsc"},
    {28, kAnyVendor, "L3 Performance Counters",      "perfctr_llc"},
    {29, kAnyVendor, "MONITORX / MWAITX",            "mwaitx"},
    {30, kAnyVendor, "Address Mask Extension",       "addr_mask_ext"},
};
// clang-format on

template <size_t N>
constexpr uint32_t RowCount(const FeatureFlag (&)[N]) { return N; }

// clang-format off
constexpr FeatureWord kFeatureWords[kFeatureWordCount] = {
//   field name          label           control base                flags            count
    {"featuresEdx",      "Standard EDX", IDC_FLAGS_EDX_BASE,         kFeaturesEdx,    RowCount(kFeaturesEdx)},
    {"featuresEcx",      "Standard ECX", IDC_FLAGS_ECX_BASE,         kFeaturesEcx,    RowCount(kFeaturesEcx)},
    {"extFeaturesEdx",   "Extended EDX", IDC_FLAGS_EXT_EDX_BASE,     kExtFeaturesEdx, RowCount(kExtFeaturesEdx)},
    {"leaf7Ebx",         "Leaf 7 EBX",   IDC_FLAGS_LEAF7_EBX_BASE,   kLeaf7Ebx,       RowCount(kLeaf7Ebx)},
    {"leaf7Ecx",         "Leaf 7 ECX",   IDC_FLAGS_LEAF7_ECX_BASE,   kLeaf7Ecx,       RowCount(kLeaf7Ecx)},
    {"leaf7Edx",         "Leaf 7 EDX",   IDC_FLAGS_LEAF7_EDX_BASE,   kLeaf7Edx,       RowCount(kLeaf7Edx)},
    {"leaf7Sub1Eax",     "Leaf 7.1 EAX", IDC_FLAGS_LEAF7_1_EAX_BASE, kLeaf7Sub1Eax,   RowCount(kLeaf7Sub1Eax)},
    {"extFeaturesEcx",   "Extended ECX", IDC_FLAGS_EXT_ECX_BASE,     kExtFeaturesEcx, RowCount(kExtFeaturesEcx)},
};
// clang-format on

// Rows of one bit sit together, in bit order, so a word is checked against its manual top down.
constexpr bool BitsInOrder(const FeatureFlag* flags, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i)
        if (flags[i].bit > 31 || (i > 0 && flags[i].bit < flags[i - 1].bit)) return false;
    return true;
}
constexpr bool AllWordsInOrder() {
    for (const FeatureWord& word : kFeatureWords)
        if (!BitsInOrder(word.flags, word.flagCount)) return false;
    return true;
}
static_assert(AllWordsInOrder(), "feature rows run in bit order, bits 0 to 31");
static_assert(RowCount(kFeaturesEdx) == 30, "Flags A labels 30 bits of leaf 1 EDX");

}  // namespace

const FeatureWord& FeatureWordAt(uint32_t index) {
    return kFeatureWords[index < kFeatureWordCount ? index : 0];
}

uint32_t FeatureWordValue(const ProcessorRecord& record, uint32_t index) {
    switch (index) {
    case kWordFeaturesEdx:    return record.featuresEdx;
    case kWordFeaturesEcx:    return record.featuresEcx;
    case kWordExtFeaturesEdx: return record.extFeaturesEdx;
    case kWordLeaf7Ebx:       return record.leaf7Ebx;
    case kWordLeaf7Ecx:       return record.leaf7Ecx;
    case kWordLeaf7Edx:       return record.leaf7Edx;
    case kWordLeaf7Sub1Eax:   return record.leaf7Sub1Eax;
    case kWordExtFeaturesEcx: return record.extFeaturesEcx;
    }
    return 0;
}

const FeatureFlag* FindFeatureFlag(const FeatureWord& word, uint32_t bit, uint32_t vendorIndex) {
    const FeatureFlag* any = nullptr;
    for (uint32_t i = 0; i < word.flagCount; ++i) {
        const FeatureFlag& flag = word.flags[i];
        if (flag.bit != bit) continue;
        if (flag.vendor == vendorIndex) return &flag;
        if (flag.vendor == kAnyVendor) any = &flag;
    }
    return any;
}

const FeatureFlag* PresentFeature(const ProcessorRecord& record, uint32_t index, uint32_t bit) {
    if (bit > 31 || ((FeatureWordValue(record, index) >> bit) & 1) == 0) return nullptr;
    return FindFeatureFlag(FeatureWordAt(index), bit, record.vendorIndex);
}

// Labels start enabled in the templates, so only clear bits need a call;
// bits without a label have no control and are passed over.
void DisableAbsentFeatures(PageControls& page, int base, uint32_t word) {
    for (int bit = 0; bit < 32; ++bit) {
        if ((word >> bit) & 1) continue;
        if (page.HasControl(base + bit)) page.SetEnabled(base + bit, false);
    }
}

// The templates hold the texts for any vendor; only a vendor's own row changes a label.
void ShowFeatureFlags(PageControls& page, const ProcessorRecord& record) {
    for (uint32_t index = 0; index < kFeatureWordCount; ++index) {
        const FeatureWord& word = kFeatureWords[index];
        for (uint32_t i = 0; i < word.flagCount; ++i) {
            const FeatureFlag& flag = word.flags[i];
            if (flag.vendor == record.vendorIndex) page.SetText(word.controlBase + flag.bit, flag.sheetText);
        }
        DisableAbsentFeatures(page, word.controlBase, FeatureWordValue(record, index));
    }
}
