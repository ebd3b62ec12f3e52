# The Debian package: the editor, kdltool, the help file, the desktop integration, and what a
# packager and a software centre look for (packaging/): copyright, changelog, manual pages and
# AppStream metadata. Included from the top-level CMakeLists.txt after the programs' targets.

# The day this version was released: the changelog entry, the AppStream release and the date of
# the manual pages. Set it together with the version in project().
set(KEDRIN_RELEASE_DATE 2026-12-08)
set(KEDRIN_MAINTAINER "Kedrin Tools Studio <kedrin@example.com>")

# --version of both programs names the project's version.
set_property(SOURCE ${PROJECT_SOURCE_DIR}/src/shell/CommandLine.cpp TARGET_DIRECTORY kedrin_shell
             APPEND PROPERTY COMPILE_DEFINITIONS "KEDRIN_VERSION=\"${PROJECT_VERSION}\"")
set_property(SOURCE ${PROJECT_SOURCE_DIR}/src/tools/KdlTool.cpp TARGET_DIRECTORY kedrin_tools
             APPEND PROPERTY COMPILE_DEFINITIONS "KEDRIN_VERSION=\"${PROJECT_VERSION}\"")

add_subdirectory(packaging)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kedrin)
set(CPACK_PACKAGE_VENDOR "Kedrin Tools Studio")
set(CPACK_PACKAGE_CONTACT "${KEDRIN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Flowchart editor with .kdl diagram files")
# CPack indents the lines of the long description; an empty line separates paragraphs.
set(CPACK_PACKAGE_DESCRIPTION "\
Kedrin Tools Demo draws flowcharts: start and end marks, process boxes,
ellipses, rectangles, decisions, text labels, lines and arrows. It saves
them as .kdl diagrams, exports them as BMP and JPEG pictures and prints
them on one page.

kdltool checks, dumps, rewrites and exports diagrams (BMP, JPEG, PNG, SVG
and PDF) without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Loaded at run time or found by name, so not seen by the library scan: the CHM reader, the
# platform plugins, the SVG icon support and the fonts every text needs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libchm1, qt6-qpa-plugins, libqt6svg6, fonts-dejavu-core, fonts-wqy-microhei, fonts-noto-color-emoji")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hunspell-en-us | hunspell-dictionary, qt6-translations-l10n")
