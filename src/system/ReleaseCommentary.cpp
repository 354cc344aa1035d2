// Commentary paragraphs of the Windows releases, by release-table row.
#include "system/ReleaseCommentary.h"

#include <cstddef>

#include "system/ReleaseTable.h"

namespace {

// Row order is the release table's: position p is row p.
// clang-format off
constexpr const char* kReleaseCommentary[] = {
    // 0 Unknown OS
    "The Windows release running on this computer was not recognised, so this page cannot "
    "tell you its name or history. The version numbers shown here are exactly the ones the "
    "system reports about itself. Please help us add this release: open the Settings / Help "
    "page, press the Generate Report button, and send the report it writes to Brenfold. Once "
    "we know the version and build numbers that identify your system, a future update of "
    "this utility will be able to name it and describe it here.",
    // 1 Windows 1.0
    "Windows 1.0 was the first version of Windows and began the 16-bit Windows line. "
    "Developed under the name Interface Manager, it was not a full operating system but a "
    "graphical environment running on top of MS-DOS. Applications ran in tiled windows that "
    "could not overlap, and were controlled with the mouse as well as the keyboard. It came "
    "with a small set of programs such as Paint, Write, Calendar, Cardfile, Notepad, a "
    "clock, a calculator and the game Reversi. Few applications were written for it and it "
    "sold modestly, but it laid the groundwork for everything that followed.",
    // 2 Windows 2.0
    "Windows 2.0 was the second release of the 16-bit Windows environment for MS-DOS. It "
    "allowed windows to overlap, added keyboard shortcuts, and could minimise and maximise "
    "windows in the way later versions do. It could use expanded memory, and the related "
    "Windows/386 variant used the virtual 8086 mode of the 80386 processor to run several "
    "DOS programs side by side. The first Windows versions of Microsoft Word and Excel "
    "appeared for this release, and its look and feel became the subject of a long copyright "
    "lawsuit brought by Apple, which Microsoft eventually won.",
    // 3 Windows 3.0
    "Windows 3.0 was the first widely successful version of Windows and a turning point for "
    "the 16-bit line. It introduced Program Manager and File Manager, a redesigned look with "
    "a 3D appearance, and a protected mode that let Windows programs use memory beyond the "
    "old 640 KB limit. On an 80386 it could also multitask DOS programs in their own "
    "windows. Improved support for graphics and sound hardware, together with a growing "
    "range of applications, made it a standard on new PCs, and it sold millions of copies "
    "within its first year.",
    // 4 Windows 3.1
    "Windows 3.1, developed under the code name Janus, refined the 16-bit Windows line and "
    "became one of the best-selling versions of its era. It introduced TrueType scalable "
    "fonts, Object Linking and Embedding so documents could contain data from other "
    "programs, drag and drop in File Manager, multimedia support for sound and video, and a "
    "more stable design that dropped the old real mode. It also added the Registry in a "
    "simple early form and games such as Minesweeper. Windows 3.1 required at least an 80286 "
    "processor.",
    // 5 Windows 3.11
    "Windows 3.11 was a minor update to Windows 3.1 in the 16-bit line. It brought no new "
    "features of note; instead it replaced a number of system files with corrected versions "
    "and was offered as a free update to existing users as well as preinstalled by PC "
    "makers. It is easily confused with Windows for Workgroups 3.11, a separate and much "
    "more substantial release that added networking and 32-bit disk and file access to "
    "Windows.",
    // 6 Windows For WorkGroups 3.0
    "This was the first Windows for Workgroups release, an edition of 16-bit Windows with "
    "networking built in. It let a small group of PCs share files and printers with each "
    "other without a dedicated server, using peer-to-peer networking, and it included "
    "workgroup tools such as Microsoft Mail and the Schedule+ calendar. Network settings and "
    "shared folders could be managed from within Windows itself rather than from separate "
    "DOS software, which made office networks much easier to set up.",
    // 7 Windows For WorkGroups 3.11
    "Windows for Workgroups 3.11 was the final and most capable release of the 16-bit "
    "Windows line for office networks. It required an 80386 processor and added 32-bit file "
    "access, which made disk operations noticeably faster, along with improved network "
    "drivers and better support for connecting to Windows NT and other network servers. An "
    "optional add-on later supplied a TCP/IP stack for reaching the Internet. It was widely "
    "used in businesses until Windows 95 and Windows NT took over.",
    // 8 Windows NT 3.1
    "Windows NT 3.1 was the first release of the Windows NT line, a completely new 32-bit "
    "operating system written from scratch rather than built on MS-DOS. Its version number "
    "was chosen to match Windows 3.1, whose interface it shared. It offered preemptive "
    "multitasking, full memory protection, a security model with user accounts and access "
    "control, the new NTFS file system, and portability across x86, MIPS and Alpha "
    "processors. It came in two editions, Windows NT and Windows NT Advanced Server, and "
    "also ran programs written for OS/2 and POSIX.",
    // 9 Windows NT 3.5
    "Windows NT 3.5, code-named Daytona, was the second release of the Windows NT line. Its "
    "main goals were speed and a smaller memory footprint, making NT practical on more "
    "modest hardware. It added a built-in TCP/IP stack with Winsock, long file names on FAT "
    "volumes, OpenGL graphics, and improved compatibility with NetWare networks. It was sold "
    "as Windows NT Workstation and Windows NT Server, the edition names that the NT line "
    "used for years after.",
    // 10 Windows NT 3.51
    "Windows NT 3.51 was an update of the Windows NT line released in 1995. It added support "
    "for PowerPC processors, NTFS file compression, PC Card support for notebooks, and new "
    "shared controls so that programs written for Windows 95 could also run on NT. It kept "
    "the Program Manager interface of Windows 3.1, and it remained a popular, stable choice "
    "for servers and workstations well after its successor arrived.",
    // 11 Windows 95
    "Windows 95, developed under the code name Chicago, opened the Windows 95 line and "
    "combined MS-DOS and Windows in one product. It introduced the Start menu, the taskbar, "
    "the desktop with Explorer and the Recycle Bin, long file names, and Plug and Play "
    "hardware detection. Programs written for the 32-bit Win32 interface gained preemptive "
    "multitasking, while older DOS and 16-bit Windows programs still ran. Its launch was a "
    "major media event, and it quickly became the most common desktop operating system in "
    "the world.",
    // 12 Windows 95 OSR2
    "Windows 95 OSR2, short for OEM Service Release 2, was an updated Windows 95 sold only "
    "with new PCs rather than in shops. Its most important addition was FAT32, which allowed "
    "much larger hard disk partitions and used disk space more efficiently. It also brought "
    "Internet Explorer 3, improved power management, support for bus-mastering disk "
    "controllers and many driver updates; later OEM releases of this version added USB "
    "support. Many of its improvements carried over into Windows 98.",
    // 13 Windows NT 4.0
    "Windows NT 4.0 was the release of the Windows NT line that adopted the Windows 95 "
    "interface, with the Start menu, taskbar and Explorer. Under the surface, the window "
    "manager and graphics code moved into the kernel to improve speed. It was sold as "
    "Workstation and Server editions, later joined by Server Enterprise Edition and Terminal "
    "Server Edition, and it included Internet Information Server for hosting web sites. It "
    "had no Plug and Play or USB support, yet it was kept current by a long series of "
    "service packs and ran many corporate networks for years.",
    // 14 Windows 98
    "Windows 98, code-named Memphis, was the successor to Windows 95 in the same line. It "
    "built Internet Explorer 4 into the system, with the Active Desktop and web-style "
    "folders, and added support for USB, AGP graphics cards, DVD drives, multiple monitors "
    "and ACPI power management. It introduced the Windows Driver Model shared with Windows "
    "NT, a tool to convert disks to FAT32, and Windows Update for downloading fixes over the "
    "Internet. It was aimed mainly at home users.",
    // 15 Windows 98 SE
    "Windows 98 Second Edition was an update of Windows 98 released in 1999. It was sold in "
    "shops and on new PCs, and Windows 98 users could get it on an update CD. It came with "
    "Internet Explorer 5, Internet Connection Sharing so several PCs at home could use one "
    "Internet connection, NetMeeting 3, improved USB and DVD support, and many bug fixes. It "
    "was regarded as the most dependable release of the Windows 95 line and stayed popular "
    "long after newer versions appeared.",
    // 16 Windows 2000
    "Windows 2000, developed as Windows NT 5.0, was the next release of the NT line and was "
    "aimed at businesses. It introduced Active Directory for managing users and computers "
    "across a network, and brought Plug and Play, USB support and modern power management to "
    "NT for the first time. Other additions included the Windows Installer, Encrypting File "
    "System, disk quotas and Windows File Protection. Editions were Professional for "
    "desktops, and Server, Advanced Server and Datacenter Server for servers.",
    // 17 Windows Me
    "Windows Millennium Edition, known as Windows Me, was the last release of the Windows 95 "
    "line and was aimed at home users. It added System Restore for rolling the system back "
    "to an earlier state, Windows Movie Maker, Windows Media Player 7, and System File "
    "Protection, and it reduced direct access to MS-DOS real mode to make start-up faster. "
    "It gained a reputation for instability, and home users were soon moved to Windows XP, "
    "which ended the line of Windows versions built on MS-DOS.",
    // 18 Windows XP
    "Windows XP, code-named Whistler, brought home and business users together on the "
    "Windows NT line and ended the Windows 95 line. It introduced a new visual style with a "
    "redesigned Start menu, fast user switching, ClearType font smoothing, Remote Desktop, "
    "built-in CD writing and product activation. The main editions were Home Edition and "
    "Professional. Service Pack 2 added the Windows Firewall, the Security Center and many "
    "security improvements.",
    // 19 Windows XP 64-bit Edition
    "Windows XP 64-bit Edition is the version of Windows XP for 64-bit processors, aimed at "
    "workstations that need very large amounts of memory, for example for engineering, "
    "scientific and graphics work. The first editions run on Intel Itanium processors and "
    "offer a subset of the features of Windows XP Professional. An edition for x64 "
    "processors, which include the AMD64 chips and Intel processors with EM64T, is in public "
    "testing and is planned to follow; it can run most 32-bit Windows programs at full speed "
    "alongside native 64-bit ones.",
    // 20 Windows XP Media Center Edition
    "Windows XP Media Center Edition is a version of Windows XP built for PCs used as home "
    "entertainment centres. Its Media Center program, designed to be used with a remote "
    "control from across the room, plays music, videos and DVDs, shows photos, and can watch "
    "and record live television with a program guide. It is sold only preinstalled on new "
    "PCs. Later updates, Media Center Edition 2004 and 2005, added features such as radio, "
    "Media Center Extenders and better picture quality.",
    // 21 Windows XP Tablet PC Edition
    "Windows XP Tablet PC Edition is a version of Windows XP Professional for tablet PCs, "
    "portable computers operated with a pen on the screen. It adds handwriting recognition, "
    "an on-screen input panel for writing or tapping text, the ability to store handwriting "
    "as digital ink, and switching between portrait and landscape display. The Windows "
    "Journal note-taking program is included. It is available only preinstalled on tablet "
    "PCs.",
    // 22 Windows Server 2003 family
    "Windows Server 2003 is the server release of the NT line that followed Windows 2000 "
    "Server, developed alongside Windows XP. It is offered in Web, Standard, Enterprise and "
    "Datacenter editions, with 64-bit versions for Itanium systems. New features include "
    "Internet Information Services 6.0, built-in support for the .NET Framework, Volume "
    "Shadow Copy for restoring earlier versions of files, and improvements to Active "
    "Directory. Its default settings are more locked down than before, reflecting "
    "Microsoft's increased focus on security.",
    // 23 Windows Tablet 2005
    "Lonestar is the code name of an update for Windows XP Tablet PC Edition, known as "
    "Tablet PC Edition 2005. It builds on Windows XP Service Pack 2 and concentrates on the "
    "pen: handwriting recognition is more accurate, the input panel can appear right next to "
    "where the user is writing, corrections are easier to make, and more programs can accept "
    "ink. It is offered to tablet PC makers and as an upgrade for existing Tablet PC Edition "
    "users.",
    // 24 Windows Longhorn
    "Longhorn is the code name of the next major Windows release in the NT line, the planned "
    "successor to Windows XP, version 6.0. Early test builds have been shown to developers. "
    "Announced plans include a new presentation system code-named Avalon, with a more "
    "graphical desktop, and a communications system code-named Indigo. Microsoft has said "
    "that the WinFS storage system will not be included in the first release, and that "
    "Avalon and Indigo will also be offered for Windows XP. The final name, features and "
    "date are yet to be confirmed.",
    // 25 Windows Blackcomb
    "Blackcomb is the code name of a future Windows release in the NT line, planned to "
    "follow Longhorn. It was first named as the major release after Windows XP, and Longhorn "
    "was later added as an interim version between the two. Early descriptions speak of deep "
    "changes to how users find and store information, with a stronger focus on search and a "
    "new way of organising data. Little else is known yet, and its features and timing have "
    "not been announced.",
    // 26 Windows Vista
    "Windows Vista is the release that was developed as Longhorn, version 6.0 of the NT line; "
    "the name was announced in July 2005. It was released to manufacturing in November 2006 "
    "as build 6000, offered to business customers at the end of that month and sold to "
    "everyone from 30 January 2007. Its development was restarted in 2004 on the code of "
    "Windows Server 2003, and some announced parts, the WinFS storage system among them, "
    "were left out. It is the first Windows that requires ACPI firmware. Two service packs "
    "followed.",
    // 27 Windows Server 2008
    "Windows Server 2008 is the server release built alongside Windows Vista, known during "
    "development as Longhorn Server. It was released to manufacturing on 4 February 2008, on "
    "the same day as Windows Vista Service Pack 1, and launched on 27 February 2008. It is "
    "the first Windows Server with the Hyper-V hypervisor and with the Server Core "
    "installation that leaves out the desktop, and the last one offered for 32-bit x86 "
    "processors.",
    // 28 Windows 7
    "Windows 7, version 6.1 of the NT line, succeeded Windows Vista. Its planning went back "
    "to the Blackcomb project, and it was later known as Vienna before its number became its "
    "name. A public beta, build 7000, appeared in January 2009 and a release candidate, build "
    "7100, in May. Build 7600 was released to manufacturing in July 2009 and the system went "
    "on sale on 22 October 2009, in editions from Starter and Home Basic to Professional, "
    "Enterprise and Ultimate.",
    // 29 Windows Server 2008 R2
    "Windows Server 2008 R2 is the server release developed together with Windows 7. It "
    "shares its version 6.1 and its build 7600, which was released to manufacturing on the "
    "same day in July 2009, and it became generally available in October 2009. It is the "
    "first Windows Server offered only for 64-bit processors, x64 and Itanium.",
    // 30 Windows 8
    "Windows 8, version 6.2 of the NT line, was released to manufacturing as build 9200 on 1 "
    "August 2012 and went on sale on 26 October 2012. It opens on a Start screen in the new "
    "Metro design and brought apps sold through the new Windows Store. A variant for ARM "
    "tablets was sold as Windows RT.",
    // 31 Windows Server 2012
    "Windows Server 2012, developed as Windows Server 8, is the server release of Windows 8 "
    "and shares its version 6.2 and build 9200. It was released to manufacturing with Windows "
    "8 on 1 August 2012 and became generally available on 4 September 2012. It runs only on "
    "64-bit x64 processors, no longer on Itanium, and brought a new Hyper-V, IP address "
    "management and the ReFS file system.",
    // 32 Windows 8.1
    "Windows 8.1, developed under the code name Blue, is version 6.3 of the NT line and was "
    "offered as an update to Windows 8. Build 9600 was finished in August 2013; Windows 8 "
    "users could install it from 17 October 2013 and new PCs carried it from the next day. "
    "Later releases report themselves as Windows 8 to a program unless its manifest declares "
    "that it knows them.",
    // 33 Windows Server 2012 R2
    "Windows Server 2012 R2, whose test releases were called Windows Server Blue, is the "
    "server release of Windows 8.1 and shares its version 6.3 and build 9600. It became "
    "generally available on 18 October 2013, in Datacenter, Standard, Essentials and "
    "Foundation editions. It added generation 2 virtual machines to Hyper-V and storage "
    "tiers to Storage Spaces.",
    // 34 Windows 10
    "Windows 10 raised the version of the NT line to 10.0. It was released on 29 July 2015 as "
    "build 10240 and is developed as a service: instead of new versions it "
    "receives feature updates, each with a build of its own: 1507 (10240), 1511 (10586), "
    "1607 (14393), 1703 (15063), 1709 (16299), 1803 (17134), 1809 (17763), 1903 (18362), "
    "1909 (18363), 2004 (19041), 20H2 (19042), 21H1 (19043), 21H2 (19044) and 22H2 (19045), "
    "the last one. The build shown for this computer tells which update it runs. It is the "
    "last Windows for 32-bit x86 processors.",
    // 35 Windows Server 2016
    "Windows Server 2016 is the server release of Windows 10 version 1607 and shares its "
    "build 14393. The first technical preview appeared in October 2014; the release was "
    "presented on 26 September 2016 and became generally available on 12 October 2016. Its "
    "additions include Windows Defender installed by default, Storage Replica and rolling "
    "upgrades of failover clusters.",
    // 36 Windows Server 2019
    "Windows Server 2019 is the long-term server release built from Windows 10 version 1809 "
    "and shares its build 17763. It was the first Windows Server to go straight to general "
    "availability, on 2 October 2018, without a release to manufacturing first. Soon after, "
    "the 1809 release was withdrawn for a while because of reports of lost user data.",
    // 37 Windows Server 2022
    "Windows Server 2022 is built from the development branch called Iron, build 20348, so "
    "its updates differ from those of Windows 10 version 21H2. It was announced in March "
    "2021, released to manufacturing in May and became generally available on 18 August "
    "2021. Like Windows Server 2019 it requires x64 processors.",
    // 38 Windows 11
    "Windows 11, code-named Sun Valley, was released on 5 October 2021 as build 22000 and "
    "still reports version 10.0, so the build tells it apart from Windows 10. It runs only on "
    "64-bit x64 and ARM64 processors and requires UEFI firmware with Secure Boot and a "
    "Trusted Platform Module. Feature updates come once a year: 21H2 (22000), 22H2 (22621), "
    "23H2 (22631), 24H2 (26100) and 25H2 (26200). The build shown for this computer tells "
    "which one it runs.",
    // 39 Windows Server 2025
    "Windows Server 2025 is the server release built from the same code as Windows 11 "
    "version 24H2 and shares its build 26100. It became generally available on 1 November "
    "2024, succeeding Windows Server 2022.",
};
// clang-format on
constexpr uint32_t kRowCount = sizeof kReleaseCommentary / sizeof kReleaseCommentary[0];
static_assert(kRowCount == kReleaseRowCount, "one paragraph per release row");

// The commentary box wraps one paragraph of at most 845 characters.
constexpr bool ParagraphsFit() {
    for (const char* paragraph : kReleaseCommentary) {
        size_t length = 0;
        for (; paragraph[length] != '\0'; ++length)
            if (paragraph[length] == '\n' || paragraph[length] == '\r') return false;
        if (length < 20 || length > 845) return false;
    }
    return true;
}
static_assert(ParagraphsFit(), "every paragraph one line of 20 to 845 characters");

}  // namespace

const char* ReleaseCommentary(uint32_t row) {
    return row < kRowCount ? kReleaseCommentary[row] : "";
}
