// Commentary paragraphs of the processor classes, keyed by class-stats key.
#include "database/ClassCommentary.h"

namespace {

struct ClassCommentaryRow {
    uint8_t key;
    const char* text;
};

// One paragraph per class key, no line breaks, at most 944 characters; key 0 has none.
// clang-format off
constexpr ClassCommentaryRow kClassCommentary[] = {
    {1,
     "The first Pentium, code name P5 (A80501), built on a 0.80 micron BiCMOS process from "
     "about 3.1 million transistors and launched in March 1993 at 60 and 66 MHz on a 66 MHz "
     "bus. It was the first superscalar x86 design: two integer pipelines, called U and V, "
     "could retire a pair of simple instructions per clock, and the floating-point unit was "
     "far faster than the 486's. The level 1 cache was split into 8 KB for data and 8 KB "
     "for instructions, the external data bus grew to 64 bits, and any level 2 cache lived "
     "on the motherboard. These 5 volt Socket 4 parts ran hot, and early steppings carried "
     "the well-known FDIV division flaw. The lower-voltage P54C generation soon replaced "
     "them."},
    {2,
     "The original Pentium II, code name Klamath (A80522). It took the P6 core of the "
     "Pentium Pro, added the MMX instructions, doubled the level 1 cache to 16 KB for data "
     "and 16 KB for instructions, and improved the handling of 16-bit code. Instead of a "
     "ceramic package it came on a Slot 1 cartridge (SECC) holding the processor plus "
     "commodity cache chips, giving up to 512 KB of level 2 cache running at half the core "
     "clock. Introduced in May 1997 on a 66 MHz front-side bus, it was the mainstream Intel "
     "desktop processor until the 0.25 micron Deschutes core took over in 1998."},
    {3,
     "Celeron processors built on the 180 nm Willamette Pentium 4 core, launched in May "
     "2002 and reaching 1.8 GHz. The NetBurst engine, trace cache, SSE2 support and "
     "quad-pumped 100 MHz bus (400 MT/s) were kept, but the on-die level 2 cache was cut "
     "from 256 KB to 128 KB, which hurt performance noticeably on a design this "
     "deep-pipelined. The chip has about 42 million transistors and uses Socket 478. It "
     "served as the entry-level Intel desktop part until the 130 nm Northwood-based Celeron "
     "followed later in 2002."},
    {4,
     "The desktop Pentium with MMX technology (P55C), launched in January 1997 on a 0.35 "
     "micron process with about 4.5 million transistors, at 166, 200 and finally 233 MHz on "
     "a 66 MHz bus. Besides the 57 new MMX instructions for packed integer arithmetic, "
     "which operate on the floating-point registers, it doubled both level 1 caches to 16 "
     "KB each and improved branch prediction, which made ordinary code faster as well. It "
     "needed split core and I/O voltages, so older Socket 7 boards often could not take it. "
     "Level 2 cache remained external on the motherboard. The mobile Tillamook version "
     "moved the design to 0.25 micron."},
    {5,
     "The 0.25 micron Pentium II, code name Deschutes (A80523), with 512 KB of level 2 "
     "cache in the cartridge running at half the core speed. Deschutes lowered the core "
     "voltage and heat, enabling the 100 MHz front-side bus together with the 440BX "
     "chipset, and reached 450 MHz in August 1998. The same core, signature family 6 model "
     "5, also appears as the Pentium II Xeon and the first Celeron, so the cache size "
     "reported by the processor decides which class applies here. The Katmai Pentium III "
     "succeeded it by adding the SSE instructions."},
    {6,
     "The first Celeron, code name Covington, introduced in April 1998 at 266 and 300 MHz. "
     "It is a 0.25 micron Deschutes Pentium II core on a bare Slot 1 card (SEPP) with no "
     "level 2 cache at all, only the 16 KB data and 16 KB instruction caches, on a 66 MHz "
     "bus. The core has about 7.5 million transistors. Without any level 2 cache its office "
     "performance often fell behind older Pentium MMX systems, and it was poorly received. "
     "Intel replaced it within months with the Mendocino Celeron, which put 128 KB of "
     "full-speed cache on the die."},
    {7,
     "The Celeron Mendocino, which appeared in August 1998 as the Celeron 300A and 333. It "
     "was the first Intel x86 part to carry level 2 cache on the same die as the core: 128 "
     "KB running at full clock speed, raising the transistor count to about 19 million. It "
     "kept the 66 MHz bus and moved from Slot 1 cartridges to the cheaper PPGA package for "
     "Socket 370, finally reaching 533 MHz. Because the fast on-die cache made up for its "
     "small size, and the 300A could often run at 450 MHz on a 100 MHz bus, it became a "
     "favourite among overclockers."},
    {8,
     "The Pentium Pro, the first processor of the P6 generation, made on 0.50 and later "
     "0.35 micron processes at 150 to 200 MHz on a 66 MHz bus. Its core translated x86 "
     "instructions into simple micro-operations and executed them out of order, predicting "
     "and running ahead past branches, a design that underpinned Intel processors for "
     "years. A separate level 2 cache die sat in the same dual-cavity Socket 8 package and "
     "ran at full core speed, next to 8 KB data and 8 KB instruction caches. It was tuned "
     "for 32-bit code and was slow with 16-bit software, so it found its home in "
     "workstations and multiprocessor servers rather than home PCs."},
    {9,
     "The first Pentium III, code name Katmai (A80525), made on the 0.25 micron process of "
     "the Deschutes Pentium II and sold in Slot 1 cartridges. Its main novelty was SSE, a "
     "set of instructions working on eight new 128-bit registers holding four "
     "single-precision values, aimed at 3D geometry and multimedia. Level 2 cache stayed at "
     "512 KB in the cartridge at half the core speed. The chip also introduced a readable "
     "processor serial number, which raised privacy objections and was later dropped. "
     "Speeds reached 600 MHz, and the B versions used a 133 MHz bus. The on-die-cache "
     "Coppermine followed in late 1999."},
    {10,
     "The Pentium II Xeon with 2 MB of level 2 cache, the top configuration of the first "
     "Xeon line. It uses the 0.25 micron Deschutes core in the large Slot 2 cartridge, with "
     "custom cache chips running at the full core speed rather than half speed, and a 100 "
     "MHz bus. Slot 2 and the 450NX chipset allowed four-way systems, and eight-way with "
     "additional logic. Introduced in June 1998, it ran at 400 and 450 MHz and was priced "
     "for servers that benefited most from the very large cache. The Pentium III Xeon "
     "Tanner replaced it in 1999."},
    {11,
     "The first Pentium III Xeon, code name Tanner: the Katmai core with SSE in a Slot 2 "
     "cartridge, combined with 512 KB, 1 MB or 2 MB of level 2 cache running at full core "
     "speed. It ran at 500 and 550 MHz on a 100 MHz bus and targeted two-, four- and "
     "eight-way servers and workstations. This class covers both the 1 MB and 2 MB "
     "editions, which are told apart by the cache size the processor reports. Thermal "
     "sensors and a small EEPROM on the cartridge supported server management. The "
     "on-die-cache Cascades core took over late in 1999."},
    {12,
     "The Pentium III Coppermine (A80526), the 0.18 micron version that brought the level 2 "
     "cache onto the die: 256 KB, eight-way associative and at full core speed with a "
     "256-bit wide path, marketed as Advanced Transfer Cache. Shipped first in Slot 1 and "
     "then in the FC-PGA package for Socket 370, it ran on 100 and 133 MHz buses. "
     "Coppermine reached 1 GHz in March 2000, days after AMD's Athlon, and a 1.13 GHz "
     "version on a 133 MHz bus was later recalled because of stability problems. The 0.13 "
     "micron Tualatin core succeeded it."},
    {13,
     "Pentium III Xeon processors with on-die level 2 cache. The core is Cascades, the "
     "server version of the 0.18 micron Coppermine, sold in Slot 2 cartridges with 256 KB "
     "to 2 MB of full-speed cache; the 1 MB and 2 MB parts on a 100 MHz bus reached 900 "
     "MHz. Processors with the model 0Ah signature, the Pentium III Xeon A with 1 MB or 2 "
     "MB of cache, and 0.13 micron model 0Bh parts reporting a Xeon brand id are placed in "
     "this class as well. The Pentium 4 based Xeon, code name Foster, replaced this family "
     "in 2001."},
    {14,
     "Celeron processors based on the Pentium III core. The Coppermine-128 Celeron arrived "
     "in March 2000 on 0.18 micron, with half of the on-die level 2 cache disabled and a 66 "
     "MHz bus, later raised to 100 MHz. In late 2001 the Celeron moved to the 0.13 micron "
     "Tualatin core, which carries 256 KB of full-speed level 2 cache, twice that of the "
     "Coppermine models, and reached 1.4 GHz on a 100 MHz bus. All support SSE and use "
     "Socket 370. This was the last P6-based desktop Celeron before the brand moved to the "
     "Pentium 4 core."},
    {15,
     "The Mobile Pentium III-M, built on the 0.13 micron Tualatin core with 512 KB of "
     "full-speed level 2 cache, a 133 MHz bus and clocks up to about 1.3 GHz. The code name "
     "shown, Geyserville, is really the name of SpeedStep, the technology that lowers clock "
     "and voltage when a notebook runs on battery; the III-M combined it with a Deeper "
     "Sleep low-power state and a hardware data prefetcher. With about 44 million "
     "transistors it was the last mobile Pentium III, succeeded in 2003 by the Pentium M."},
    {16,
     "The Mobile Celeron built on the 0.13 micron Tualatin core, the low-cost companion of "
     "the Pentium III-M in notebooks. It keeps the SSE-capable P6 core and 256 KB of "
     "full-speed on-die level 2 cache, half of the III-M's amount, and generally leaves out "
     "SpeedStep, so the clock does not change between mains and battery power. Clocks "
     "reached about 1.33 GHz. The design has about 44 million transistors. The Mobile "
     "Celeron later moved to the Pentium 4 Northwood core and then to the Pentium M based "
     "Celeron M."},
    {17,
     "The Pentium M, code name Banias, introduced in March 2003 as the processor of the "
     "Centrino notebook platform. Designed in Israel for notebooks from the start, it "
     "builds on the P6 lineage rather than NetBurst, adding SSE2, micro-op fusion, a "
     "dedicated stack engine, better branch prediction and Enhanced SpeedStep. It has 32 KB "
     "data and 32 KB instruction caches, 1 MB of on-die level 2 cache and a quad-pumped 100 "
     "MHz bus, and reached 1.7 GHz on 0.13 micron. At equal clock it often beat the Pentium "
     "4 while drawing far less power. The 90 nm Dothan core followed."},
    {18,
     "The first Pentium 4, code name Willamette, launched in November 2000 on a 180 nm "
     "process with about 42 million transistors. It introduced the NetBurst architecture: a "
     "20-stage pipeline built for high clock rates, a trace cache that holds decoded "
     "micro-operations instead of x86 instructions, double-pumped integer units, SSE2, and "
     "a quad-pumped 100 MHz bus (400 MT/s). Level 2 cache was 256 KB on die. Early systems "
     "used Socket 423 and RDRAM; Socket 478 followed. Clocks reached 2 GHz. Some "
     "engineering samples report only a generic Intel brand string, which this class "
     "includes."},
    {19,
     "The Pentium 4 built on the 130 nm Northwood core, launched in January 2002. Moving "
     "from 180 nm shrank the die and let Intel double the on-die level 2 cache to 512 KB, "
     "with about 55 million transistors. The front-side bus went from 400 to 533 and then "
     "800 MT/s (a 200 MHz quad-pumped clock), and from the 3.06 GHz model onward "
     "Hyper-Threading let one core run two threads. Clocks reached 3.4 GHz. Northwood is "
     "often regarded as the most balanced NetBurst design, before the hotter 90 nm Prescott "
     "replaced it."},
    {20,
     "The Celeron built on the 130 nm Northwood core, introduced in September 2002 at 2 GHz "
     "and later raised to 2.8 GHz. It is the Northwood Pentium 4 die, about 55 million "
     "transistors, with only 128 KB of its level 2 cache enabled, running on the "
     "quad-pumped 100 MHz (400 MT/s) bus and without Hyper-Threading. The high clock "
     "ratings looked strong on paper, but the small cache held back the long NetBurst "
     "pipeline, and same-clock Pentium 4 chips were much faster. It fits Socket 478 boards "
     "and was replaced by the 90 nm Prescott-based Celeron D."},
    {21,
     "The first Xeon built on NetBurst, code name Foster: the 180 nm Willamette core with "
     "256 KB of on-die level 2 cache, packaged for the new Socket 603 and two-processor "
     "servers and workstations. Introduced in May 2001, it used the quad-pumped 100 MHz bus "
     "(400 MT/s) and brought SSE2 and the trace cache to the Xeon line, reaching 2 GHz. The "
     "Xeon name now stood on its own, without Pentium in front. Hyper-Threading was present "
     "in the design but not enabled. It was replaced by the 130 nm Prestonia, the first "
     "Xeon with Hyper-Threading switched on."},
    {22,
     "The dual-processor Xeon built on the 130 nm Prestonia core, a server version of the "
     "Northwood Pentium 4 with 512 KB of on-die level 2 cache and about 55 million "
     "transistors. Introduced in early 2002, it was the first product with Hyper-Threading "
     "enabled, letting each physical processor appear to the operating system as two "
     "logical ones. It used Socket 604, at first on the quad-pumped 100 MHz bus, and "
     "reached 3.06 GHz. Later Prestonia versions moved to a 533 MT/s bus and some added "
     "level 3 cache. The 90 nm Nocona succeeded it."},
    {23,
     "The Xeon MP built on the 180 nm Foster MP core, introduced in March 2002 for servers "
     "with four or more processors. It adds an integrated level 3 cache of 512 KB or 1 MB "
     "on the die to the 256 KB level 2 cache of the Willamette-class core, which helps in "
     "large multiprocessor systems where bus bandwidth is shared. Hyper-Threading was "
     "enabled. It used the quad-pumped 100 MHz bus, Socket 603 and clocks of 1.4 to 1.6 "
     "GHz. The 130 nm Gallatin Xeon MP succeeded it."},
    {24,
     "The Xeon MP built on the 130 nm Gallatin core, introduced in November 2002. Gallatin "
     "is a Northwood-class NetBurst core with 512 KB of level 2 cache plus an on-die level "
     "3 cache of 1, 2 or 4 MB, for four-way and larger servers. It kept the quad-pumped 100 "
     "MHz (400 MT/s) bus shared by all processors, supported Hyper-Threading and reached 3 "
     "GHz. The same die with 2 MB of level 3 cache was later sold to desktop enthusiasts as "
     "the Pentium 4 Extreme Edition. The 90 nm Potomac Xeon MP followed."},
    {25,
     "The Mobile Pentium 4-M, a low-power version of the 130 nm Northwood core for "
     "notebooks, launched in March 2002. It keeps the 512 KB of on-die level 2 cache but "
     "runs at lower voltages and adds SpeedStep, which drops clock and voltage on battery, "
     "as well as a Deeper Sleep state. Power draw was still high for a notebook chip, and "
     "battery life compared poorly with the Pentium III-M and later the Pentium M. The "
     "Pentium M replaced it as Intel's main notebook processor."},
    {26,
     "The Mobile Celeron built on the 130 nm Northwood core, introduced in June 2002 as the "
     "budget companion of the Mobile Pentium 4-M. It has 256 KB of on-die level 2 cache, "
     "half the amount of the Pentium 4-M, about 55 million transistors, and a quad-pumped "
     "100 MHz bus, with clocks reaching 2.5 GHz. It lacks SpeedStep, so it runs at full "
     "clock even on battery, which made it a choice mostly for desktop-replacement "
     "notebooks. The Pentium M based Celeron M replaced it."},
    {27,
     "The first Athlon, known as the K7, introduced in June 1999 on a 0.25 micron process "
     "(code name Argon) with about 22 million transistors. It combined 64 KB data and 64 KB "
     "instruction caches with an off-die level 2 cache on the Slot A cartridge, running at "
     "a half or lower fraction of core speed, and a double-data-rate 100 MHz bus (200 MT/s) "
     "derived from the EV6 bus of the Alpha processor. Three full x86 decoders and a strong "
     "pipelined floating-point unit made it faster than the Pentium III. The 0.18 micron "
     "Pluto and Orion versions brought it to 1 GHz in March 2000."},
    {28,
     "The Athlon Thunderbird, introduced in June 2000 on 0.18 micron. It moved the level 2 "
     "cache onto the die: 256 KB at full core speed, exclusive of the 128 KB level 1 cache "
     "so that the two never hold the same data, giving about 37 million transistors. Early "
     "parts came in Slot A cartridges, but most were sold for the new Socket A (462). The "
     "bus was raised from 100 to 133 MHz double data rate (266 MT/s), and clocks reached "
     "1.4 GHz, with much of the output made using copper interconnects at AMD's Dresden "
     "plant. The Palomino core followed in 2001."},
    {29,
     "The Duron Spitfire, AMD's budget processor introduced in June 2000 alongside the "
     "Thunderbird. It is the same 0.18 micron Athlon core with only 64 KB of on-die level 2 "
     "cache, but because the cache is exclusive it still holds 192 KB in total together "
     "with the 128 KB level 1. It has about 25 million transistors and used Socket A with a "
     "100 MHz double-data-rate bus. It usually outperformed the Celeron of the time at "
     "equal clock and reached 950 MHz. The Morgan core followed in 2001."},
    {30,
     "The Athlon built on the 0.18 micron Palomino core, known in notebooks as Corvette "
     "(Mobile Athlon 4). It appeared first in mobile form in May 2001, then as the Athlon "
     "MP for dual-processor systems and the Athlon XP for desktops. Palomino added a "
     "hardware data prefetcher, an improved TLB, full SSE support as part of 3DNow! "
     "Professional, lower power and an on-die thermal diode. With about 38 million "
     "transistors and 256 KB of exclusive level 2 cache it reached 1.73 GHz. The XP also "
     "marked the start of AMD's model ratings, such as 2100+, instead of clock figures."},
    {31,
     "The Duron built on the 0.18 micron Morgan core, known in notebooks as Camaro. It "
     "takes the Palomino improvements, including full SSE support, a hardware prefetcher "
     "and an improved TLB, and keeps the 64 KB exclusive level 2 cache of the Duron line. "
     "It appeared first in mobile form in May 2001, with desktop versions for Socket A "
     "following. The die has about 25 million transistors; clocks reached 1.3 GHz on a 100 "
     "MHz double-data-rate bus. It was the last Duron before a 0.13 micron version appeared "
     "in 2003."},
    {32,
     "The Athlon XP built on the 0.13 micron Thoroughbred core, a shrink of Palomino with "
     "the same 256 KB exclusive level 2 cache and about 38 million transistors. The first "
     "revision did not clock much higher than Palomino, so a revised B core with an extra "
     "metal layer followed and raised speeds considerably. The front-side bus grew to 166 "
     "MHz double data rate (333 MT/s), and the fastest models ran at about 2.25 GHz. "
     "Thoroughbred also served in the Athlon MP and mobile Athlon XP, and was succeeded by "
     "the larger-cache Barton."},
    {33,
     "The Athlon XP built on the 0.13 micron Barton core, introduced in February 2003. "
     "Barton doubled the exclusive on-die level 2 cache of Thoroughbred to 512 KB, raising "
     "the transistor count to about 54 million, and its top models used a 200 MHz "
     "double-data-rate bus (400 MT/s). The fastest, the Athlon XP 3200+, ran at 2.2 GHz. It "
     "was the last and most capable of the Socket A Athlons, sold alongside the new Athlon "
     "64 and later continued as the Sempron."},
    {34,
     "The Opteron built on the 130 nm SledgeHammer core, introduced in April 2003 as the "
     "first processor with AMD64, the 64-bit extension of x86 that runs existing 32-bit "
     "software at full speed. It moved the memory controller onto the die, with two DDR "
     "channels, and linked processors and chipsets through HyperTransport, so each "
     "processor brings its own memory bandwidth. It has 64 KB data and 64 KB instruction "
     "caches, 1 MB of level 2 cache and about 106 million transistors. The model number "
     "tells the maximum system size: 100, 200 or 800 series for one, two or up to eight "
     "sockets. Clocks reached 2.4 GHz on Socket 940."},
    {35,
     "The Intel 4004, generally regarded as the first commercial single-chip "
     "microprocessor. Designed for a Busicom printing calculator and made on a 10 micron "
     "PMOS process, it is a 4-bit processor with a few thousand transistors and a clock "
     "well below 1 MHz. It needed companion memory and I/O chips of the MCS-4 family. It "
     "has no level 1 or level 2 cache and of course no identification instruction, so it is "
     "listed here for historical completeness rather than for detection on a running "
     "system. The 8-bit 8008 followed."},
    {36,
     "The Intel 8008, introduced in April 1972 as the first 8-bit microprocessor. It was "
     "developed from a design commissioned for a Datapoint terminal and made on a 10 micron "
     "PMOS process, with a few thousand transistors, a 14-bit address bus good for 16 KB of "
     "memory and a small on-chip call stack. It was slow and needed many support chips, but "
     "it showed what an 8-bit single-chip processor could do. It has no cache and cannot "
     "identify itself, so the entry exists for historical completeness. Its successor was "
     "the 8080."},
    {37,
     "The Intel 8080, introduced in April 1974 on a 6 micron NMOS process and running at 2 "
     "MHz. Far faster and easier to use than the 8008, it had a 16-bit address bus for 64 "
     "KB of memory and a stack in main memory, and it became the processor of the Altair "
     "8800 and many early microcomputers running the CP/M operating system. It needed three "
     "supply voltages and external clock and bus control chips. It has no cache and no way "
     "to identify itself; the entry is kept for historical completeness. The 8085 and, "
     "indirectly, the 8086 followed."},
    {38,
     "The Intel 8085, introduced in March 1976 on a 3 micron process, with the 8085A-2 "
     "grade running at 5 MHz. The 5 in its name refers to its single +5 volt supply, and it "
     "brought the clock generator and bus controller of the 8080 onto the chip, "
     "multiplexing the low address lines with the data bus. It added serial input and "
     "output pins and extra interrupt inputs while staying compatible with 8080 software. "
     "It was widely used in embedded control and instruments long after the personal "
     "computer moved on. No cache and no identification instruction; listed for "
     "completeness."},
    {39,
     "The Intel 8086, introduced in June 1978 on a 3 micron process with about 29,000 "
     "transistors, the first member of the x86 family. It is a 16-bit processor whose "
     "segmented addressing reaches 1 MB of memory through a 20-bit address bus, with a "
     "16-bit external data bus and clocks up to 10 MHz in its fastest version. Its "
     "instruction set, largely assembly-compatible with the 8080, is the root of every "
     "processor in this database that follows it. It has no cache and no identification "
     "instruction."},
    {40,
     "The Intel 8088, introduced in June 1979, an 8086 with an 8-bit external data bus. It "
     "has the same 16-bit internal design, about 29,000 transistors, and runs the same "
     "software, but it fetches data a byte at a time, which made it slower yet much cheaper "
     "to build systems around, since 8-bit support chips could be reused. IBM chose it for "
     "the original PC of 1981, running at 4.77 MHz, and that decision made x86 the standard "
     "of personal computing. Later versions ran at up to 8 MHz. It has no cache and no "
     "identification instruction."},
    {41,
     "The Intel 80186, introduced in 1982, an 8086-compatible processor that integrates "
     "many of the chips a system needed: clock generator, interrupt controller, timers, DMA "
     "channels and chip select logic. It added a handful of instructions, such as PUSHA, "
     "POPA, ENTER, LEAVE, BOUND and immediate shifts, that the 80286 also inherited. "
     "Because its integrated peripherals were not compatible with the IBM PC layout, it saw "
     "little use in personal computers but much in embedded systems, at clocks up to 12 "
     "MHz. It has no cache and no identification instruction."},
    {42,
     "The Intel 80286, introduced in February 1982 with about 134,000 transistors and "
     "clocks up to 12 MHz. It introduced protected mode, with segment descriptors, "
     "privilege levels and a 24-bit address bus reaching 16 MB of memory, while still "
     "running 8086 software in real mode. Protected mode could not easily switch back to "
     "real mode, which limited its use by DOS. It was the processor of the IBM PC/AT of "
     "1984 and its many compatibles. It has no cache and no identification instruction. The "
     "32-bit 80386 followed."},
    {43,
     "The Intel 80386DX, introduced in 1985 with about 275,000 transistors, the first "
     "32-bit x86 processor. It brought 32-bit registers and addressing, a flat 4 GB address "
     "space, paging and virtual 8086 mode, which let protected-mode systems run several DOS "
     "programs at once. These features define the x86 architecture used to this day. It has "
     "no on-chip cache, but motherboards commonly added an external cache of up to 128 KB. "
     "Clocks reached 33 MHz. Compaq shipped the first 386 PC, ahead of IBM."},
    {44,
     "The Intel 80386SX, introduced in June 1988: a full 32-bit 386 core with a 16-bit "
     "external data bus and a 24-bit address bus limited to 16 MB of memory. This allowed "
     "cheaper 286-style motherboards while running 32-bit software, making 386 features "
     "affordable in mainstream PCs. It has about 275,000 transistors, no on-chip cache, and "
     "clocks of up to 33 MHz. The SX suffix later came to mean a low-cost model; the 486SX "
     "continued that idea."},
    {45,
     "The Intel 386SL, introduced in October 1990 as a highly integrated 386 for notebook "
     "computers, with about 855,000 transistors and clocks up to 25 MHz. It combined the "
     "386SX core with memory, cache and ISA bus controllers, and it introduced System "
     "Management Mode, a separate operating mode used for power management that later "
     "became standard in every Intel processor. A companion 82360SL chip provided the "
     "remaining peripherals. It has no on-chip level 1 cache but supports an external "
     "cache."},
    {46,
     "The Intel486 DX, with about 1.2 million transistors, which put the floating-point "
     "unit, an 8 KB unified level 1 cache and a tightly pipelined integer unit on one chip. "
     "Most simple instructions completed in a single clock, roughly doubling the speed of a "
     "386 at equal frequency, and a burst-capable bus made cache refills efficient. "
     "Motherboards added up to 512 KB of external level 2 cache. Clocks reached 50 MHz. "
     "This class covers the model 0 and model 1 signatures, which include the 25, 33 and 50 "
     "MHz parts."},
    {47,
     "The Intel486 SX, with about 1.185 million transistors, a 486 with its floating-point "
     "unit disabled or removed, sold at a lower price. It keeps the 8 KB level 1 cache and "
     "the pipelined integer core, so for ordinary integer code it matches a 486 DX at the "
     "same clock, which reached 33 MHz. Floating-point work needed either software "
     "emulation or the 487SX coprocessor, itself essentially a full 486 DX that took over "
     "the system. The SX2 and later the OverDrive processors offered upgrade paths."},
    {48,
     "The Intel486 DX2, introduced in March 1992, the first Intel processor with clock "
     "doubling: the core runs at twice the bus frequency, so a 66 MHz chip fits a 33 MHz "
     "motherboard. Since the level 1 cache satisfied most memory requests, the faster core "
     "paid off well, and the DX2-66 became one of the most popular processors of its time. "
     "It has about 1.2 million transistors, an 8 KB write-through level 1 cache and an "
     "integrated floating-point unit. DX2 OverDrive chips brought the same doubling to "
     "older 486 systems."},
    {49,
     "The Intel486 SL, introduced in November 1992, a low-power 486 for notebooks with "
     "about 1.4 million transistors and clocks up to 33 MHz. It added System Management "
     "Mode, first seen on the 386SL, together with the ability to stop the clock and to run "
     "at 3.3 volts, which saved battery power. These SL power features were soon made "
     "standard across the 486 line as SL Enhanced processors. It has an 8 KB level 1 cache "
     "and an integrated floating-point unit."},
    {50,
     "The Intel486 SX2, a clock-doubled 486 SX: the core runs at twice the bus speed, up to "
     "66 MHz on a 33 MHz bus, but the floating-point unit is not available. It has about "
     "1.2 million transistors and an 8 KB level 1 cache. Aimed at low-cost systems and "
     "upgrades, it offered the integer performance of a DX2 at a lower price. It appeared "
     "late in the 486 era, when the Pentium had already taken over the high end."},
    {51,
     "The Write-Back Enhanced Intel486 DX2, a revision of the DX2 whose 8 KB level 1 cache "
     "can operate in write-back mode instead of write-through, so that writes stay in the "
     "cache until the line is evicted. This reduces bus traffic and helps performance, "
     "above all in multitasking. The chip runs at up to 66 MHz on a 33 MHz bus, has about "
     "1.2 million transistors, and, like other late 486 revisions, supports the CPUID "
     "instruction, so its signature can be read directly."},
    {52,
     "The Intel486 DX4, introduced in March 1994 with about 1.6 million transistors, which "
     "ran its core at up to three times the bus clock, 100 MHz on a 33 MHz bus, despite the "
     "name. It doubled the level 1 cache to 16 KB, ran on a 3.3 volt supply and supports "
     "the identification instruction. It was the fastest Intel 486 and a popular upgrade "
     "for 486 systems, while the Pentium took over the higher end."},
    {53,
     "The second-generation Pentium, code name P54C, which replaced the 5 volt P5 and ran "
     "on 3.3 volts or less. Its core ran at a multiple of the bus clock, so on 50, 60 and "
     "66 MHz buses it covered speeds from 75 MHz up to 200 MHz in the later P54CS versions. "
     "It kept the 8 KB data and 8 KB instruction caches of the P5, added an on-chip APIC "
     "for dual-processor systems and advanced power management, and moved to Socket 5 and "
     "then Socket 7. Mobile versions for notebooks were derived from the same core. It was "
     "followed by the Pentium MMX."},
    {54,
     "The Transmeta Crusoe TM3120, listed as TM3200, the low-end member of the first Crusoe "
     "family, made on 0.22 micron and announced in January 2000. Like all Crusoe chips it "
     "is a simple VLIW processor that runs x86 programs through Code Morphing software, "
     "which translates x86 code into native instructions at run time and caches the result. "
     "It has 64 KB of instruction and 32 KB of data cache but no level 2 cache, integrates "
     "the memory and PCI controllers, and ran at up to 400 MHz. It was aimed at internet "
     "appliances and small Linux devices rather than Windows notebooks."},
    {55,
     "The Transmeta Crusoe TM5400, announced in January 2000 for thin-and-light Windows "
     "notebooks, at up to 700 MHz. It combines the VLIW core and Code Morphing software of "
     "the Crusoe family with 64 KB data and 64 KB instruction caches, 256 KB of level 2 "
     "cache and integrated memory and PCI controllers. It introduced LongRun, which adjusts "
     "clock and voltage many times per second according to load, giving low power use and "
     "long battery life. The TM5600 with more cache and the later 0.13 micron models built "
     "on it."},
    {56,
     "The Transmeta Crusoe TM5500, a 0.13 micron version of the TM5400 with 256 KB of level "
     "2 cache, introduced in mid-2001 at up to 800 MHz. The smaller process lowered power "
     "further and allowed higher clocks while keeping the LongRun power management and Code "
     "Morphing software of the family. It was used in ultra-portable notebooks and "
     "tablet-style devices. It reports the same processor signature as the other TM5x00 "
     "chips."},
    {57,
     "The Transmeta Crusoe TM5600, introduced in October 2000 on 0.18 micron: the TM5400 "
     "design with the level 2 cache doubled to 512 KB, next to 64 KB data and 64 KB "
     "instruction caches, at up to 700 MHz. The larger cache helped the Code Morphing "
     "software, whose translations compete with application data for cache space. It "
     "powered a number of Japanese mini-notebooks from makers such as Sony and Fujitsu, and "
     "it was followed by the 0.13 micron TM5800."},
    {58,
     "The Transmeta Crusoe TM5800, introduced in mid-2001, the 0.13 micron successor of the "
     "TM5600 with 512 KB of level 2 cache and clocks up to 1 GHz. It kept the LongRun power "
     "management and integrated memory and PCI controllers, and it was the most widely used "
     "Crusoe, found in ultra-portable notebooks, tablet PCs and blade servers that valued "
     "low power per processor. It reports the same signature as the other TM5x00 chips. The "
     "Efficeon succeeded it."},
    {59,
     "The mobile Pentium with MMX technology built on the 0.25 micron Tillamook core. The "
     "smaller process cut the core voltage to as low as 1.8 volts, greatly reducing heat in "
     "notebooks, while keeping the 16 KB data and 16 KB instruction caches and the MMX "
     "instructions of the desktop part. It has about 4.5 million transistors, a 66 MHz bus "
     "and clocks up to 266 MHz in the parts counted here, and it was supplied in compact "
     "TCP packages and mobile modules. The mobile Pentium II succeeded it."},
    {60,
     "The Mobile Pentium II PE, code name Dixon, introduced in January 1999. PE stands for "
     "Performance Enhanced: it brought 256 KB of level 2 cache onto the die at full core "
     "speed, replacing the larger but half-speed external cache of the earlier Tonga mobile "
     "Pentium II. It used a 66 MHz bus, ran at up to 400 MHz, and came in BGA, micro-PGA "
     "and mobile module packages for notebooks. Dixon was the mobile counterpart of the "
     "Mendocino Celeron with a larger on-die cache, and the Coppermine mobile Pentium III "
     "followed it."},
    {61,
     "The AMD K5 SSA5, AMD's first x86 processor designed entirely in-house, introduced in "
     "March 1996 on a 0.50 micron process with about 4.3 million transistors. Internally it "
     "is a superscalar RISC-like core that decodes x86 instructions into simpler operations "
     "and executes them out of order, well ahead of the Pentium in concept. It has a 16 KB "
     "instruction cache and an 8 KB data cache and fits Pentium Socket 5 and 7 boards. The "
     "SSA5 ran at 75 to 100 MHz and was sold under PR ratings comparing it with Pentium "
     "speeds."},
    {62,
     "The AMD K5 5k86 model 1, the revised K5 core on 0.35 micron, introduced in October "
     "1996. It improved on the SSA5 enough that AMD rated its 90 and 100 MHz parts as PR120 "
     "and PR133, claiming the performance of a Pentium at 120 and 133 MHz. Like the first "
     "K5 it has a 16 KB instruction cache, an 8 KB data cache and about 4.3 million "
     "transistors, and it uses the 66 MHz Socket 7 bus with any level 2 cache on the "
     "motherboard. Its integer performance was strong, its floating point weaker."},
    {63,
     "The AMD K5 5k86 model 2, the 0.35 micron K5 sold as the PR166. It shares the core of "
     "the model 1 parts, with a 16 KB instruction cache, an 8 KB data cache and about 4.3 "
     "million transistors, and uses a 66 MHz bus with a higher multiplier than the PR120 "
     "and PR133. Demand was limited because the K5 arrived late and struggled with clock "
     "speed, and AMD soon turned to the K6, based on the acquired NexGen design, as its "
     "main product."},
    {64,
     "The AMD K5 5k86 model 3, the top K5 model, rated PR200. It uses the same 0.35 micron "
     "core as the other 5k86 parts, with 16 KB instruction and 8 KB data caches and about "
     "4.3 million transistors, on a 66 MHz bus. It was barely marketed, since the K6 "
     "arrived in 1997 and offered much more performance in the same Socket 7 boards. It "
     "marks the end of the original K5 line."},
    {65,
     "The AMD K6, introduced in April 1997. It descends from the Nx686 of NexGen, which AMD "
     "had bought, redesigned to fit Pentium Socket 7 boards and to execute the MMX "
     "instructions. Its decoders turn x86 instructions into RISC86 operations for an "
     "out-of-order core, with large 32 KB data and 32 KB instruction caches and about 8.8 "
     "million transistors. It ran at 166 to 233 MHz on a 66 MHz bus and competed on price "
     "with the Pentium MMX and Pentium II. The 0.25 micron Little Foot version followed."},
    {66,
     "The AMD K6 on the 0.25 micron Little Foot core, introduced in January 1998. The "
     "shrink reduced the die size and lowered the core voltage, which let the K6 reach 300 "
     "MHz on a 66 MHz bus and made a mobile K6 possible. The design otherwise matches the "
     "first K6, with 32 KB data and 32 KB instruction caches, MMX support and about 8.8 "
     "million transistors. It was soon followed by the K6-2, which added 3DNow! and the 100 "
     "MHz bus."},
    {67,
     "The AMD K6-2, code name Chomper, introduced in May 1998 on 0.25 micron with about 9.3 "
     "million transistors. It added 3DNow!, 21 instructions that perform two "
     "single-precision floating-point operations at once, well before Intel's SSE, and it "
     "supported the 100 MHz Super Socket 7 bus together with AGP chipsets from other "
     "makers. The 32 KB data and 32 KB instruction caches stayed, while level 2 cache "
     "remained on the motherboard. Clocks climbed past 500 MHz, and the K6-2 sold in very "
     "large numbers in budget PCs."},
    {68,
     "The AMD K6-III, code name Sharptooth, introduced in February 1999 with about 21 "
     "million transistors. It added 256 KB of full-speed level 2 cache on the die to the "
     "K6-2 core, so the cache on a Super Socket 7 motherboard became a third level; AMD "
     "called this arrangement TriLevel Cache. With 32 KB data and 32 KB instruction caches, "
     "3DNow! and a 100 MHz bus it matched or beat the Pentium III of the time in integer "
     "work, though its floating-point unit was weaker. Production volumes were limited, and "
     "the Athlon soon took over."},
    {69,
     "The AMD K6-III+, a 0.18 micron version of the K6-III introduced in April 2000 mainly "
     "for notebooks. It keeps the 256 KB on-die level 2 cache and the TriLevel arrangement "
     "with any motherboard cache acting as level 3, and adds PowerNow!, which changes clock "
     "and voltage on the fly to save power. It has about 21 million transistors and runs on "
     "a 100 MHz bus. Enthusiasts also used it in desktop Super Socket 7 boards, where its "
     "unlocked multiplier allowed high clocks. The K6-2+ is the same die with half the "
     "cache."},
    {70,
     "The AMD Am5x86, code name X5, introduced in November 1995 on a 0.35 micron process. "
     "It is an enhanced 486 core with a 16 KB write-back level 1 cache, running its core at "
     "four times the bus clock, so it fits ordinary 486 motherboards. AMD marketed it with "
     "a P75 rating, claiming speed comparable to a 75 MHz Pentium, and it was a cheap "
     "upgrade for the many 486 systems still in use. It has about 1.6 million transistors. "
     "The class covers both write-through and write-back cache signatures."},
    {71,
     "The AMD Am486DX4, AMD's clock-tripled 486, running at up to 120 MHz on a 40 MHz bus, "
     "beyond Intel's own DX4. It has an 8 KB level 1 cache, an integrated floating-point "
     "unit and a 3.3 volt supply, and it sold well as an inexpensive fast 486 and as an "
     "upgrade part. The two signatures in this class distinguish write-through and enhanced "
     "write-back cache versions. The Am5x86 followed with a larger cache."},
    {72,
     "The AMD Am486DX2, a clock-doubled 486 from AMD, introduced in 1993. Its core runs at "
     "twice the bus clock and reached 80 MHz on a 40 MHz bus, a speed Intel did not offer. "
     "It has an 8 KB level 1 cache and an integrated floating-point unit, and it is "
     "pin-compatible with Intel's DX2. Later versions gained a write-back cache and the "
     "identification instruction, which is why two signatures lead to this class. Low "
     "prices made it a popular choice for 486 systems."},
    {73,
     "The AMD Am486DX, AMD's version of the 486 DX with an 8 KB level 1 cache and an "
     "integrated floating-point unit, released in 1993 after a long legal dispute with "
     "Intel over the use of microcode. It ran at up to 40 MHz, a speed grade Intel did not "
     "offer, and it helped AMD establish itself as a second source of 486 processors for "
     "low-cost PCs. Clock-doubled and clock-tripled versions followed."},
    {74,
     "The AMD K6-2+, a 0.18 micron K6 derivative introduced in April 2000 for notebooks, "
     "built on the same die as the K6-III+ but with 128 KB of on-die level 2 cache enabled "
     "instead of 256 KB. Any cache on the motherboard acts as level 3. It keeps 3DNow!, "
     "runs on a 100 MHz bus and includes PowerNow! for dynamic clock and voltage scaling, "
     "at up to 500 MHz. It was one of the last Socket 7 class processors, as AMD's notebook "
     "line moved to the Athlon and Duron cores."},
    {75,
     "The Pentium 4 Extreme Edition, introduced in November 2003 for gamers and "
     "enthusiasts. It uses the 130 nm Gallatin die of the Xeon MP, a Northwood-class core "
     "listed here under that name, with 512 KB of level 2 cache and 2 MB of on-die level 3 "
     "cache, plus Hyper-Threading. The final 130 nm version ran at 3.46 GHz on a "
     "quad-pumped 266 MHz bus (1066 MT/s). It carried a very high price and competed with "
     "AMD's Athlon 64 FX. The Prescott-based Extreme Editions that followed dropped the "
     "level 3 cache."},
    {76,
     "A dual-processor Xeon on the 130 nm Prestonia core with an added on-die level 3 "
     "cache, up to 2 MB, beside 512 KB of level 2 cache. These later Prestonia parts used "
     "the quad-pumped 133 MHz bus (533 MT/s), supported Hyper-Threading and reached 3.2 "
     "GHz, giving the last 130 nm Xeons more headroom in server workloads with large "
     "working sets. They fit Socket 604 boards. The 90 nm Nocona, with 64-bit extensions, "
     "replaced them."},
    {77,
     "The Athlon 64 on the 130 nm ClawHammer core, introduced in September 2003 as the "
     "first 64-bit x86 desktop processor. It brings the AMD64 extensions, the on-die memory "
     "controller and a HyperTransport link of the Opteron to the desktop, with 1 MB of "
     "level 2 cache, 64 KB data and 64 KB instruction caches and about 106 million "
     "transistors. Early models used Socket 754 with a single memory channel; Socket 939 "
     "versions with two channels followed. It also supports the no-execute page protection "
     "bit. Clocks reached 2.4 GHz."},
    {78,
     "The Pentium M on the 90 nm Dothan core, introduced in May 2004. Dothan doubled the "
     "on-die level 2 cache of Banias to 2 MB while keeping power within the same notebook "
     "envelope, and improved branch prediction and other details of the core. With 32 KB "
     "data and 32 KB instruction caches, Enhanced SpeedStep and a quad-pumped bus that "
     "later rose from 400 to 533 MT/s, it ran at clocks above 2 GHz. Dothan powered the "
     "Centrino platforms of 2004 and 2005, and its design strongly influenced the Core "
     "processors that replaced the Pentium 4."},
    {79,
     "The Celeron M built on the 130 nm Banias core, introduced in January 2004 as the "
     "budget notebook processor alongside the Pentium M. It keeps the efficient Banias "
     "pipeline, SSE2 and the 32 KB data and 32 KB instruction caches, but has only 512 KB "
     "of level 2 cache enabled and no Enhanced SpeedStep, so it always runs at its rated "
     "clock. The die has about 77 million transistors and the bus is quad-pumped 100 MHz. "
     "Later Celeron M models moved to the Dothan core."},
    {80,
     "The Transmeta Efficeon, code name Astro, introduced in October 2003 as the successor "
     "of the Crusoe. Its VLIW core is twice as wide, able to execute up to eight operations "
     "per clock, and its improved Code Morphing software also translates SSE and SSE2 code. "
     "It has a 128 KB instruction cache, a 64 KB data cache and 1 MB of level 2 cache, "
     "integrates a DDR memory controller and AGP graphics port, and connects to the south "
     "bridge over HyperTransport. It was first made on 0.13 micron and later on 90 nm."},
    {81,
     "The Transmeta Crusoe TM5700, introduced in January 2004, a lower-cost 0.13 micron "
     "Crusoe with 256 KB of level 2 cache and clocks around 667 MHz. It uses a smaller "
     "package than earlier TM5x00 chips, aimed at compact and embedded designs such as thin "
     "clients and small notebooks, while keeping LongRun power management and the Code "
     "Morphing software. It reports the same signature as the rest of the TM5x00 family."},
    {82,
     "The Transmeta Crusoe TM5900, introduced in January 2004, the 512 KB level 2 cache "
     "companion of the TM5700, running at up to 1 GHz. Built on 0.13 micron in a smaller "
     "package than the TM5800 it replaced, it aimed at low-cost ultra-portable notebooks, "
     "thin clients and embedded systems. LongRun and the Code Morphing software remain. It "
     "was among the last Crusoe products, sold alongside the Efficeon."},
    {83,
     "The Pentium 4 on the 90 nm Prescott core, introduced in February 2004. Prescott "
     "lengthened the NetBurst pipeline to 31 stages, doubled the on-die level 2 cache to 1 "
     "MB, and added SSE3, 13 instructions for complex arithmetic, thread synchronisation "
     "and video coding. It was one of the first chips built with strained silicon. Heat "
     "output and leakage were much higher than expected, and clock gains stalled: the top "
     "model reached 3.8 GHz on an 800 MT/s bus. Later steppings added 64-bit EM64T and the "
     "no-execute bit, and Socket 775 replaced Socket 478."},
    {84,
     "The Xeon on the 90 nm Nocona core, introduced in June 2004, the first Intel x86 "
     "processor with EM64T, Intel's implementation of the 64-bit extensions introduced by "
     "AMD64. Based on Prescott, it has 1 MB of level 2 cache, SSE3 and Hyper-Threading, and "
     "uses an 800 MT/s quad-pumped bus with chipsets that supported DDR2 memory and PCI "
     "Express. It reached 3.6 GHz in dual-processor servers and workstations. A version "
     "with 2 MB of cache, Irwindale, followed."},
    {85,
     "The Xeon MP on the 90 nm Potomac core, the multiprocessor server version of the "
     "Prescott generation for systems with four or more sockets. It brought EM64T 64-bit "
     "support, SSE3 and Hyper-Threading to the Xeon MP line, with 1 MB of level 2 cache per "
     "processor as listed here. Systems built on it used chipsets with DDR2 memory and PCI "
     "Express. It was one of the last single-core Xeon MP designs before dual-core Paxville "
     "and Tulsa parts took over."},
    {86,
     "Tejas was the planned successor of Prescott, intended for a 90 nm and later 65 nm "
     "process with an even longer pipeline, higher clocks and further new instructions. Its "
     "power and heat projections proved unmanageable, and Intel cancelled it before it "
     "reached the market, turning instead to dual-core designs and to the efficient Pentium "
     "M lineage. The figures of this class reflect planned targets. In practice, processors "
     "reporting this family 15, model 4 signature are later 90 nm Pentium 4 parts of the "
     "Prescott family."},
    {87,
     "The Athlon 64 FX, introduced in September 2003 as AMD's enthusiast desktop processor. "
     "The first models are the Opteron SledgeHammer die with 1 MB of level 2 cache and a "
     "dual-channel memory controller, using Socket 940 and registered memory, later moving "
     "to Socket 939 with ordinary unbuffered memory. Unlike the regular Athlon 64, the FX "
     "had an unlocked multiplier. It has about 106 million transistors and uses a 200 MHz "
     "HyperTransport reference clock. It competed with the Pentium 4 Extreme Edition."},
    {88,
     "Tulsa was the last Xeon MP built on the NetBurst architecture: a 65 nm dual-core "
     "design for servers with four or more sockets, with 1 MB of level 2 cache for each "
     "core and Hyper-Threading, so each processor offered four logical threads. It "
     "supported EM64T, SSE3 and Intel Virtualization Technology and was sold as the Xeon "
     "7100 series. Within a short time the Core-based Xeon processors, far more efficient "
     "per clock and per watt, replaced the NetBurst line entirely."},
    {89,
     "The Opteron 800 series on the 90 nm Athens core, introduced in December 2004 for "
     "servers with four to eight sockets. Moving from 130 nm to 90 nm silicon-on-insulator "
     "lowered power and allowed higher clocks, while the design kept 1 MB of level 2 cache, "
     "the on-die dual-channel memory controller and three HyperTransport links per "
     "processor for glueless multiprocessing. Later revisions added SSE3. Its two-socket "
     "and single-socket counterparts are Troy and Venus; the dual-core Egypt followed."},
    {90,
     "The Athlon 64 on the 90 nm San Diego core, introduced in 2005 as a high-end Socket "
     "939 part. San Diego belongs to AMD's revised E stepping family, which added SSE3, an "
     "improved memory controller and better power behaviour. It uses a dual-channel DDR "
     "memory controller and a 200 MHz HyperTransport reference clock, reaching 2.4 GHz in "
     "the Athlon 64 models counted here. It was also used in the Athlon 64 FX-55 and FX-57."},
    {91,
     "The Mobile Athlon 64 on the 130 nm Odessa core for notebooks. It is a "
     "ClawHammer-class core with 512 KB of level 2 cache and about 68 million transistors, "
     "supporting AMD64, the no-execute bit and PowerNow! to reduce clock and voltage on "
     "battery. It uses Socket 754 with a single-channel memory controller. It offered "
     "desktop class performance in larger notebooks, while thin-and-light designs used "
     "lower-voltage versions."},
    {92,
     "The Athlon 64 on the 130 nm Newcastle core, a lower-cost version of ClawHammer with "
     "512 KB of level 2 cache and about 68 million transistors, offered in Socket 754 and "
     "Socket 939 forms. Its smaller die made it cheaper to produce, while the on-die memory "
     "controller limited the performance cost of the smaller cache. It used a 200 MHz "
     "HyperTransport reference clock and reached 2.4 GHz. The 90 nm Winchester replaced it "
     "in the Socket 939 range."},
    {93,
     "The Pentium II Xeon with 1 MB of level 2 cache, the middle configuration of the first "
     "Xeon line, introduced in June 1998. It uses the 0.25 micron Deschutes core in the "
     "Slot 2 cartridge with full-speed custom cache chips and a 100 MHz bus, running at 400 "
     "and 450 MHz. The Slot 2 design allowed four-way multiprocessing on the 450NX chipset. "
     "It shares its signature with other Deschutes parts, so the cache size it reports "
     "decides which class applies."},
    {94,
     "The Mobile Pentium II, code name Tonga, introduced in April 1998 on 0.25 micron. It "
     "uses the Deschutes core with 512 KB of level 2 cache on the package at half the core "
     "speed, a 66 MHz bus, and low core voltages suited to notebooks, at up to 300 MHz. It "
     "came in the mini-cartridge and mobile module packages. It was replaced by the Dixon "
     "core, which moved a smaller but faster level 2 cache onto the die."},
    {95,
     "Timna was a planned low-cost processor for inexpensive PCs that would integrate a "
     "Pentium III class core with 128 KB of level 2 cache, graphics and a memory controller "
     "on one 0.18 micron chip. It was designed around RDRAM, and a translator chip was "
     "needed to use cheaper SDRAM; when that translator proved faulty and RDRAM stayed "
     "expensive, Intel cancelled the project before release. The figures of this class are "
     "its planned targets. Its ideas of an integrated memory controller and graphics "
     "returned in later Intel designs."},
    {96,
     "The Celeron D on the 90 nm Prescott core, introduced in June 2004. It uses the "
     "Prescott die with 256 KB of level 2 cache, twice the 128 KB of the Northwood Celeron, "
     "on a quad-pumped 133 MHz bus (533 MT/s), and adds SSE3. Later steppings gained EM64T. "
     "It lacks Hyper-Threading. It came in Socket 478 and Socket 775 forms and was a clear "
     "improvement over the previous Celeron generation despite running hot."},
    {97,
     "A 0.13 micron Duron for Socket A. Appaloosa was the code name of a Thoroughbred-based "
     "Duron, and the Duron parts that reached the market on this process used a closely "
     "related die, Applebred, with the level 2 cache cut to 64 KB. These chips kept the 64 "
     "KB data and 64 KB instruction caches, used a 133 MHz double-data-rate bus (266 MT/s) "
     "and reached 1.8 GHz. They were the last Durons, offered briefly before the Sempron "
     "replaced the brand."},
    {98,
     "The Sempron for Socket A, AMD's value processor that replaced the Duron in 2004. The "
     "Socket A Sempron is built on the 0.13 micron Thoroughbred and Barton class cores, "
     "mostly with 256 KB of exclusive level 2 cache, and is sold under model ratings that "
     "compare it with the Celeron. It keeps the 64 KB data and 64 KB instruction caches of "
     "the Athlon XP. Socket 754 versions based on the Athlon 64 core followed, making the "
     "Sempron name span two different architectures."},
    {99,
     "The Athlon 64 X2 on the 90 nm Toledo core, AMD's first dual-core desktop processor, "
     "introduced in 2005. Both cores, each with 1 MB of level 2 cache, sit on one die and "
     "share the memory controller and HyperTransport link through an on-chip crossbar, so "
     "no external bus is needed between them. It supports AMD64, SSE3 and the no-execute "
     "bit, uses Socket 939 with dual-channel memory and reached 2.4 GHz."},
    {100,
     "The dual-core Opteron 800 series on the 90 nm Egypt core, for servers with four to "
     "eight sockets. Each die carries two cores with 1 MB of level 2 cache each, sharing "
     "the on-die memory controller and three HyperTransport links, and fits the same Socket "
     "940 platforms as the single-core Athens, so existing servers could double their core "
     "count. The Italy and Denmark cores are its two-socket and single-socket siblings."},
    {101,
     "A placeholder for AMD's 65 nm generation of Athlon 64 and Opteron class processors, "
     "which had been announced when this entry was written but whose exact models, code "
     "names and details were not yet known. Processors that report this signature on a 65 "
     "nm process are expected to build on the 90 nm designs: AMD64, an on-die memory "
     "controller and HyperTransport links. The figures of this class are provisional and "
     "will be refined once the products are documented in detail."},
    {102,
     "The Transmeta TM6000, code name Solo, a planned system-on-chip that would combine a "
     "Crusoe core and 512 KB of level 2 cache with the north bridge, south bridge and "
     "graphics functions of a PC, so that a complete small computer needed little more than "
     "memory and a few connectors. It was aimed at very small notebooks, tablets and "
     "embedded devices. Transmeta shifted its effort to the Efficeon, and the TM6000 saw "
     "little if any commercial use; its figures here are indicative."},
    {103,
     "The desktop and server Pentium III on the 0.13 micron Tualatin core (A80530), the "
     "last Pentium III generation. The figures listed here, 512 KB of on-die level 2 cache "
     "and 1.4 GHz on a 133 MHz bus, are those of the Pentium III-S server version; the "
     "desktop Tualatin models carry 256 KB. Tualatin has about 44 million transistors and "
     "adds a hardware data prefetcher. It was popular in low-power rack and blade servers, "
     "and its efficiency foreshadowed the Pentium M, which grew out of the same P6 lineage."},
    {104,
     "The dual-core Opteron 200 series on the 90 nm Italy core, for servers and "
     "workstations with two sockets. It places two cores, each with 1 MB of level 2 cache, "
     "on one die sharing the memory controller and HyperTransport links, and drops into "
     "existing Socket 940 platforms after a firmware update. Dual-core Opterons like Italy "
     "gave AMD a clear lead in two-socket servers until Intel's Core-based Xeons arrived. "
     "Egypt and Denmark are the four-to-eight-socket and single-socket siblings."},
    {105,
     "The dual-core Opteron 100 series on the 90 nm Denmark core, for single-socket servers "
     "and workstations. It carries two cores with 1 MB of level 2 cache each, sharing the "
     "on-die memory controller, and many of them used Socket 939, which allowed ordinary "
     "unbuffered desktop memory. It supports AMD64, SSE3 and the no-execute bit. Its larger "
     "siblings are Italy for two sockets and Egypt for four to eight."},
    {106,
     "The Opteron 200 series on the 90 nm Troy core, introduced in December 2004 for "
     "two-socket servers and workstations. Troy is the 90 nm silicon-on-insulator successor "
     "of SledgeHammer, with 1 MB of level 2 cache, the on-die dual-channel memory "
     "controller and HyperTransport links, and it fits Socket 940. Later revisions added "
     "SSE3. Athens and Venus are the corresponding 800 and 100 series cores, and the "
     "dual-core Italy followed."},
    {107,
     "The Opteron 100 series on the 90 nm Venus core, introduced in December 2004 for "
     "single-socket servers and workstations. Venus shares the 90 nm design of Troy and "
     "Athens, with 1 MB of level 2 cache, the dual-channel on-die memory controller and "
     "AMD64 support; the 100 series links to peripherals but not to other processors. Later "
     "versions moved to Socket 939, very close to the Athlon 64 desktop platform. The "
     "dual-core Denmark followed."},
    {108,
     "The Athlon 64 on the 90 nm Winchester core, introduced in October 2004 as AMD's first "
     "90 nm desktop processor. Winchester is a Socket 939 part with 512 KB of level 2 cache "
     "and about 68 million transistors, whose smaller die and lower power made it cooler "
     "and cheaper than its 130 nm predecessors. It does not yet include SSE3, which arrived "
     "with the following Venice core. Clocks reached 2.2 GHz on a 200 MHz HyperTransport "
     "reference clock with dual-channel memory."},
    {109,
     "The 90 nm Pentium 4 core. Its pipeline grew to 31 stages, and it brought SSE3, a 16 KB "
     "data cache and 1 MB of level 2 cache; later steppings added 64-bit EM64T. Xeon parts "
     "built on it were sold as Nocona, Irwindale and Cranford."},
    {110,
     "The Pentium 4 600 series: Prescott with its level 2 cache doubled to 2 MB, EM64T and "
     "Enhanced SpeedStep throughout, and Virtualization Technology from the 662 and 672 on."},
    {111,
     "Intel's first dual-core desktop processor: two Prescott cores on one 90 nm die, each "
     "with its own 1 MB level 2 cache, sharing one front-side bus. Sold as Pentium D 800 and "
     "Pentium Extreme Edition 840."},
    {112,
     "The first dual-core Xeon processors, two 90 nm NetBurst cores of 2 MB level 2 cache "
     "each, for two-way (Paxville DP) and multiprocessor servers (Xeon 7000)."},
    {113,
     "The 65 nm NetBurst generation. Cedar Mill is a single-core Pentium 4 with 2 MB of "
     "level 2 cache; Presler (Pentium D 900) and Dempsey (Xeon 5000) place two such dies of "
     "188 million transistors each in one package."},
    {114,
     "The last NetBurst server processor: two 65 nm cores with 1 MB of level 2 cache each "
     "and a shared level 3 cache of up to 16 MB, for four-socket and larger servers (Xeon "
     "7100)."},
    {115,
     "Intel's first dual-core mobile processor, a 65 nm descendant of the Pentium M with two "
     "cores sharing 2 MB of level 2 cache. Sold as Core Solo and Core Duo; it has no 64-bit "
     "mode."},
    {116,
     "The Core microarchitecture in 65 nm: a wide four-issue core with 64-bit support and a "
     "shared level 2 cache of up to 4 MB. Conroe (desktop), Merom (mobile) and Woodcrest "
     "(Xeon 5100) share one die; Kentsfield and Clovertown put two in a package."},
    {117,
     "A single-core 65 nm Core die with 512 KB of level 2 cache, used in the Celeron 400 and "
     "Celeron M 500 series and the Core 2 Solo ULV."},
    {118,
     "The 45 nm shrink of the Core microarchitecture with high-k metal gates, SSE4.1, a "
     "faster divider and up to 6 MB of level 2 cache per die. Sold as Penryn (mobile), "
     "Wolfdale and Yorkfield (desktop) and Harpertown (Xeon 5400)."},
    {119,
     "A six-core 45 nm Xeon for four-socket servers: three Penryn core pairs, each with 3 MB "
     "of level 2 cache, and up to 16 MB of shared level 3 cache on one die."},
    {120,
     "The Nehalem microarchitecture: an on-die memory controller, the QuickPath Interconnect "
     "in place of the front-side bus, Hyper-Threading again and a shared inclusive level 3 "
     "cache. Bloomfield (Core i7-900) and Gainestown (Xeon 5500) share the die."},
    {121,
     "Mainstream Nehalem for socket 1156 with two memory channels and the PCI Express "
     "controller moved onto the processor. Sold as Core i5-700 and i7-800, and as "
     "Clarksfield for notebooks."},
    {122,
     "Nehalem for large servers: eight cores, four QuickPath links and 24 MB of level 3 "
     "cache on one 45 nm die (Xeon 6500 and 7500)."},
    {123,
     "The first 32 nm processors: two Westmere cores with 4 MB of level 3 cache, packaged "
     "with a 45 nm graphics and memory controller die. Sold as Clarkdale (Core i3/i5 "
     "desktop) and Arrandale (notebooks)."},
    {124,
     "Six Westmere cores at 32 nm with 12 MB of level 3 cache and the AES instructions. "
     "Gulftown (Core i7-980X) and Westmere-EP (Xeon 5600) share the die."},
    {125,
     "Ten Westmere cores with 30 MB of level 3 cache for four- and eight-socket servers, "
     "sold as the first Xeon E7 series."},
    {126,
     "A new 32 nm microarchitecture with a decoded-instruction cache, AVX and a ring bus "
     "that joins the cores, the level 3 cache and the graphics on one die. Sold as the "
     "second generation Core i3, i5 and i7 and Xeon E3."},
    {127,
     "Sandy Bridge with up to eight cores, 20 MB of level 3 cache, quad-channel memory and "
     "forty PCI Express 3.0 lanes. Sold as Core i7 Extreme for socket 2011 and Xeon E5-2600."},
    {128,
     "The 22 nm shrink of Sandy Bridge and Intel's first tri-gate transistors, with faster "
     "graphics and PCI Express 3.0. Sold as the third generation Core and Xeon E3 v2."},
    {129,
     "Ivy Bridge for workstations and servers: Core i7-4900 Extreme, and Xeon E5 v2 and E7 "
     "v2 with up to fifteen cores."},
    {130,
     "A 22 nm microarchitecture with AVX2, fused multiply-add and an integrated voltage "
     "regulator. Sold as the fourth generation Core and Xeon E3 v3; the ULT and Crystal Well "
     "models put the chipset or 128 MB of eDRAM in the package."},
    {131,
     "Haswell with up to eighteen cores and DDR4 memory: Core i7-5900 Extreme for desktops "
     "and Xeon E5 v3 and E7 v3 for servers."},
    {132,
     "The 14 nm shrink of Haswell, first sold as the low-power Core M and then as the fifth "
     "generation Core for notebooks; a few desktop models carry 128 MB of eDRAM."},
    {133,
     "Broadwell with up to twenty-two cores for servers (Xeon E5 v4 and E7 v4), ten for "
     "desktops (Core i7-6950X), and the Xeon D system on a chip."},
    {134,
     "A 14 nm microarchitecture with Speed Shift and DDR4 memory for desktops and notebooks. "
     "Sold as the sixth generation Core and Xeon E3 v5."},
    {135,
     "Skylake for servers: up to twenty-eight cores on a mesh, AVX-512, 1 MB of level 2 "
     "cache per core and a non-inclusive level 3 cache. Sold as the first Xeon Scalable and "
     "as Core i7/i9 X-series."},
    {136,
     "A revision of the Skylake server die with hardware fixes for the Meltdown and "
     "Foreshadow side-channel attacks, the Vector Neural Network instructions and support "
     "for persistent memory modules."},
    {137,
     "The last Skylake server revision, for four- and eight-socket systems, adding the "
     "bfloat16 instructions."},
    {138,
     "The 14 nm+ refinement of Skylake with higher clocks and new video decoding. Sold as "
     "the seventh generation Core; the low-power Amber Lake models of 2018 share its "
     "signature."},
    {139,
     "Kaby Lake with four cores in the 15 W notebook class, the first eighth generation Core "
     "processors."},
    {140,
     "Skylake cores in 14 nm++ with six cores on the desktop for the first time in the "
     "mainstream line. Sold as the eighth generation Core S and H and Xeon E-2100."},
    {141,
     "A 15 W notebook processor on the 14 nm++ process with in-silicon fixes for the "
     "Meltdown and Foreshadow side-channel attacks."},
    {142,
     "Coffee Lake with up to eight cores and a soldered heat spreader, sold as the ninth "
     "generation Core and Xeon E-2200."},
    {143,
     "The last Skylake-based client line, up to six cores in notebooks and ten on the "
     "desktop, sold as the tenth generation Core."},
    {144,
     "Intel's first 10 nm processor, shipped only as the dual-core Core i3-8121U with its "
     "graphics disabled; it introduced AVX-512 to client parts."},
    {145,
     "The Sunny Cove core in 10 nm: wider execution, a larger data cache, AVX-512 and Gen11 "
     "graphics. Sold as tenth generation Core for notebooks."},
    {146,
     "Sunny Cove cores for two-socket servers, up to forty per die with eight memory "
     "channels and PCI Express 4.0. Sold as third generation Xeon Scalable and Xeon D."},
    {147,
     "Willow Cove cores in 10 nm SuperFin with Xe graphics, Thunderbolt 4 and PCI Express "
     "4.0, sold as the eleventh generation Core for notebooks."},
    {148,
     "The Sunny Cove design ported back to 14 nm for the desktop, with up to eight cores and "
     "Xe graphics. Sold as the eleventh generation Core S and Xeon E-2300."},
    {149,
     "Intel's first hybrid design on the Intel 7 process: Golden Cove performance cores and "
     "Gracemont efficient cores, with Thread Director hints for the scheduler, DDR5 and PCI "
     "Express 5.0."},
    {150,
     "Alder Lake's successor on Intel 7 with Raptor Cove performance cores, more efficient "
     "cores and larger level 2 caches. Sold as the thirteenth and fourteenth generation "
     "Core."},
    {151,
     "Intel's first tiled client processor: compute on Intel 4, with graphics, system and "
     "input-output tiles joined by Foveros packaging, and a neural processing unit. Sold as "
     "Core Ultra (Series 1)."},
    {152,
     "A tiled desktop and notebook processor with Lion Cove performance and Skymont "
     "efficient cores and no Hyper-Threading, sold as Core Ultra 200S, HX and H."},
    {153,
     "A low-power notebook processor with the memory in the package, four Lion Cove and four "
     "Skymont cores, sold as Core Ultra 200V."},
    {154,
     "A tiled notebook processor whose compute tile is made on the Intel 18A process, with "
     "Cougar Cove performance and Darkmont efficient cores."},
    {155,
     "Golden Cove cores for servers, up to sixty in four tiles joined by EMIB, with DDR5, "
     "PCI Express 5.0, CXL, AMX matrix units and optional HBM memory. Sold as fourth "
     "generation Xeon Scalable and Xeon W."},
    {156,
     "A two-tile successor of Sapphire Rapids with up to sixty-four Raptor Cove cores and a "
     "much larger level 3 cache, sold as fifth generation Xeon Scalable."},
    {157,
     "Redwood Cove performance cores on Intel 3, up to 128 per package, with separate "
     "input-output tiles. Sold as Xeon 6 with P-cores."},
    {158,
     "Intel's first server processor of efficient cores only, with up to 144 Crestmont cores "
     "on Intel 3 in four-core modules that share a level 2 cache. Sold as Xeon 6 with "
     "E-cores."},
    {159,
     "An efficient-core server processor with Darkmont cores on the Intel 18A process, "
     "stacked on base tiles with Foveros Direct."},
    {160,
     "The second Xeon Phi and the first that boots as a host processor: up to seventy-two "
     "Silvermont-derived cores with two AVX-512 units each and 16 GB of MCDRAM in the "
     "package."},
    {161,
     "A Knights Landing variant tuned for machine learning, with more single-precision and "
     "variable-precision throughput and less double-precision."},
    {162,
     "The first Atom core: a small in-order 45 nm design with two threads, made for internet "
     "devices, netbooks and low-cost desktops (Silverthorne, Diamondville, Pineview, "
     "Lincroft)."},
    {163,
     "The 32 nm shrink of the Atom core, used in netbooks (Cedarview), tablets (Clover "
     "Trail) and phones (Medfield)."},
    {164,
     "A 22 nm out-of-order Atom core in two-core modules sharing 1 MB of level 2 cache, used "
     "in Bay Trail tablets and PCs and Avoton and Rangeley servers."},
    {165,
     "The 14 nm shrink of Silvermont, used in Cherry Trail tablets and Braswell notebooks "
     "and desktops."},
    {166,
     "A wider 14 nm Atom core with four-core modules sharing 2 MB of level 2 cache, used in "
     "Apollo Lake clients and Denverton servers."},
    {167,
     "Goldmont with a wider front end and 4 MB of level 2 cache, used in the Gemini Lake "
     "Pentium Silver and Celeron."},
    {168,
     "A 10 nm Atom core used in Snow Ridge network processors, Elkhart Lake and Jasper Lake, "
     "and beside one Sunny Cove core in Lakefield."},
    {169,
     "Processors of Gracemont efficient cores only, on Intel 7, for low-cost notebooks and "
     "embedded systems (Intel Processor N100 and Core i3-N300)."},
    {170,
     "The 90 nm Sempron for Socket 754 and 939, a K8 core with 128 or 256 KB of level 2 "
     "cache; the same die serves the mobile Athlon 64 Oakville."},
    {171,
     "A revision E Athlon 64 on 90 nm silicon-on-insulator with SSE3 and a better memory "
     "controller, for Socket 939."},
    {172,
     "The first Turion 64, a low-power 90 nm K8 for notebooks in Socket 754."},
    {173,
     "A dual-core Athlon 64 X2 with 512 KB of level 2 cache per core, on 90 nm for Socket "
     "939."},
    {174,
     "The revision F dual-core K8 for Socket AM2 with DDR2 memory and AMD-V virtualization, "
     "sold as Athlon 64 X2 and Athlon 64 FX."},
    {175,
     "The single-core revision F K8 for Socket AM2, sold as Athlon 64 (Orleans) and Sempron "
     "(Manila)."},
    {176,
     "The revision F dual-core Opteron for the new Socket F (Opteron 2000 and 8000 series) "
     "with DDR2 registered memory."},
    {177,
     "The dual-core Turion 64 X2 for Socket S1 notebooks, on 90 nm."},
    {178,
     "The 65 nm shrink of the dual-core K8, with 512 KB of level 2 cache per core, sold as "
     "Athlon 64 X2, Athlon X2 and Sempron X2."},
    {179,
     "The 65 nm single-core K8, sold as Athlon 64 (Lima) and Sempron (Sparta)."},
    {180,
     "The 65 nm dual-core Turion 64 X2 for notebooks."},
    {181,
     "AMD's first native quad-core design on 65 nm: four cores with 512 KB of level 2 cache "
     "each and a shared 2 MB level 3 cache. Sold as Opteron (Barcelona) and Phenom (Agena)."},
    {182,
     "The 45 nm family 10h quad-core with 6 MB of level 3 cache. Sold as Opteron (Shanghai) "
     "and Phenom II (Deneb, Heka)."},
    {183,
     "A 45 nm family 10h quad-core without level 3 cache, sold as Athlon II X4 (Propus) and "
     "X3 (Rana)."},
    {184,
     "A 45 nm family 10h dual-core with 1 MB of level 2 cache per core and no level 3 cache, "
     "sold as Athlon II X2, and for notebooks as Turion II and Athlon II."},
    {185,
     "A six-core 45 nm Opteron with HT Assist probe filtering; its die is also sold as the "
     "four- and six-core Opteron 4100 (Lisbon)."},
    {186,
     "Two six-core 45 nm dies in one package for Socket G34, giving eight or twelve cores "
     "and four memory channels (Opteron 6100)."},
    {187,
     "The six-core Phenom II X6 with Turbo Core, and its quad-core variant Zosma."},
    {188,
     "A 65 nm dual-core notebook processor derived from K8, with separate power planes for "
     "each core, sold as Turion X2 Ultra."},
    {189,
     "AMD's first A-series APU: up to four 32 nm family 10h cores with Radeon graphics on "
     "one die."},
    {190,
     "A small 40 nm out-of-order core for netbooks and low-cost notebooks, paired with "
     "Radeon graphics in the Ontario and Zacate APUs (C- and E-series)."},
    {191,
     "A 32 nm design of two-core modules that share the front end, the floating-point unit "
     "and a 2 MB level 2 cache. Sold as FX (Zambezi) and Opteron 4200 and 6200 (Valencia, "
     "Interlagos)."},
    {192,
     "The improved module of Bulldozer, with FMA3 and better branch prediction. Sold as FX "
     "(Vishera) and Opteron 4300 and 6300 (Seoul, Abu Dhabi)."},
    {193,
     "Piledriver modules with Radeon graphics on one 32 nm die, sold as the A-series APUs "
     "Trinity and Richland."},
    {194,
     "Steamroller modules with a larger instruction cache and GCN graphics sharing memory "
     "with the cores, on 28 nm. Sold as A-series APUs (Kaveri, Godavari)."},
    {195,
     "Excavator modules in an APU with the chipset on the die, for notebooks and later "
     "desktops (Carrizo, Bristol Ridge, Stoney Ridge)."},
    {196,
     "A 28 nm low-power core in groups of four that share a 2 MB level 2 cache, used in the "
     "Kabini and Temash APUs."},
    {197,
     "A lower-power revision of Jaguar in the Beema and Mullins APUs."},
    {198,
     "AMD's return to a wide single-threaded core with simultaneous multithreading, on 14 "
     "nm, in four-core complexes sharing 8 MB of level 3 cache. Sold as Ryzen (Summit "
     "Ridge), Threadripper and EPYC 7001 (Naples)."},
    {199,
     "Four Zen cores with Vega graphics on one die, sold as Ryzen mobile and desktop APUs "
     "(Raven Ridge, and on 12 nm Picasso)."},
    {200,
     "Zen on the 12 nm process with lower cache latency and Precision Boost 2. Sold as the "
     "Ryzen 2000 series and the second Threadripper."},
    {201,
     "A chiplet design: 7 nm core dies of eight cores each, with a separate input-output "
     "die. Sold as Ryzen 3000 (Matisse), Threadripper 3000 (Castle Peak) and EPYC 7002 "
     "(Rome)."},
    {202,
     "Eight Zen 2 cores with Vega graphics on one 7 nm die, sold as Ryzen 4000 and 5000 "
     "mobile APUs (Renoir, Lucienne) and in handheld and low-power parts (Van Gogh, "
     "Mendocino)."},
    {203,
     "Zen 3 joins all eight cores of a die to one 32 MB level 3 cache. Sold as Ryzen 5000 "
     "(Vermeer), EPYC 7003 (Milan) and Threadripper PRO 5000 (Chagall)."},
    {204,
     "Eight Zen 3 cores with Vega graphics on one 7 nm die, sold as Ryzen 5000 mobile and "
     "desktop APUs (Cezanne, Barcelo)."},
    {205,
     "Zen 3+ cores on 6 nm with RDNA 2 graphics, DDR5 and PCI Express 4.0, sold as Ryzen "
     "6000 mobile."},
    {206,
     "Zen 4 on 5 nm with AVX-512 and 1 MB of level 2 cache per core, for Socket AM5 with "
     "DDR5. Sold as Ryzen 7000 (Raphael), EPYC 9004 (Genoa) and Threadripper 7000 (Storm "
     "Peak)."},
    {207,
     "A compact Zen 4 core with the same instructions and half the level 3 cache per core, "
     "sixteen to a die, for EPYC 97x4 (Bergamo) and EPYC 8004 (Siena)."},
    {208,
     "Zen 4 cores with RDNA 3 graphics and AMD's first neural processing unit on one 4 nm "
     "die, sold as Ryzen 7040 and 8040 mobile and Ryzen 8000G (Phoenix, Hawk Point)."},
    {209,
     "Zen 5 with a wider front end and full-width AVX-512 datapaths, sold as Ryzen 9000 "
     "(Granite Ridge) on Socket AM5."},
    {210,
     "EPYC 9005 for Socket SP5: up to 128 Zen 5 cores, or 192 compact Zen 5c cores in Turin "
     "Dense."},
    {211,
     "Mobile APUs mixing Zen 5 and Zen 5c cores with RDNA 3.5 graphics and a faster neural "
     "processing unit, sold as Ryzen AI 300 (Strix Point, Krackan Point) and Ryzen AI Max "
     "(Strix Halo)."},
    {212,
     "Processors licensed from the first Zen design and made in China, sold as Hygon C86 "
     "server and desktop processors."},
    {213,
     "A 90 nm low-power x86 core from Centaur with an exclusive level 2 cache and the "
     "PadLock security engine, sold as VIA C7 and C7-M."},
    {214,
     "Centaur's first superscalar out-of-order x86-64 design (Isaiah), sold as VIA Nano, "
     "later as Nano X2 and QuadCore; the first Zhaoxin ZX processors derive from it."},
    {215,
     "Zhaoxin's KaiXian KX-6000: eight cores on a 16 nm process at up to 3 GHz, with "
     "graphics and the memory controller on the chip."},
    {216,
     "Zhaoxin's KaiXian KX-7000 of the Century Avenue design: eight cores at up to 3.7 GHz "
     "with 4 MB of level 2 and 32 MB of level 3 cache, DDR5 and PCI Express 4.0."},
    {255,
     "The class of placeholder entries for processors that have been announced but whose "
     "details are not yet known, such as a future Pentium generation and AMD's planned K9 "
     "core. These entries let the program name a new signature as an unknown new processor "
     "instead of mistaking it for an older model. All figures shown for this class, "
     "including date, clock, bus, transistor count and cache sizes, are provisional "
     "placeholders and will be replaced once real products are documented."},
};
// clang-format on

}  // namespace

const char* ClassCommentary(uint32_t key) {
    for (const ClassCommentaryRow& row : kClassCommentary)
        if (row.key == key) return row.text;
    return "";
}
