# The "package" target (CPack), of what the install rules name: from the release build a Debian
# package of tivrel-cpuid, its manual page, copyright file and changelog under usr/, its
# dependencies computed by dpkg-shlibdeps; from the cross build a zip of Tivrel.exe, ReadMe.htm
# and tivrel-cpuid.exe.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tivrel)
set(CPACK_PACKAGE_CONTACT "Tivrel maintainers <maintainers@users.noreply.c-seed-e2a5e175.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Identify an x86 processor, the running one or one from a CPUID dump")
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME Tivrel)
  set(CPACK_SYSTEM_NAME win32)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME tivrel-cpuid)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The packed relocations (TIVREL_LEAN) need glibc 2.36 (GLIBC_ABI_DT_RELR), which
  # dpkg-shlibdeps, reading only the symbols, does not see.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.36)")
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  file(READ ${CMAKE_SOURCE_DIR}/packaging/description CPACK_DEBIAN_PACKAGE_DESCRIPTION)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/description)
endif()
include(CPack)
