# Debian's hardening flags, those its packages are built with (dpkg-buildflags with
# hardening=+all, and the stack-clash probes and branch marks of its later releases): a
# position-independent executable, loaded at a random address; relocations read-only and bound at
# start (full RELRO); stack canaries; the C library's checked copies (_FORTIFY_SOURCE, which
# needs optimisation); format strings checked. The branch marks (indirect-branch tracking and
# shadow stack) reach the program only where the C library's start files carry them too, which
# Debian 12's do not. The release preset optimises for size (-Os), which _FORTIFY_SOURCE accepts:
# the tool's tables of the processor database through 2026 leave little room for faster code.
add_compile_options(-fPIE -fstack-protector-strong -fstack-clash-protection -fcf-protection
                    -D_FORTIFY_SOURCE=2 -Wformat -Werror=format-security)
add_link_options(-pie -Wl,-z,relro,-z,now)
