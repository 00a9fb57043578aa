# The Debian package: "cpack -G DEB" in a build folder (scripts/check-package builds a release
# one, installs the package and tries it). Binaries are stripped; the dependencies are those
# dpkg-shlibdeps finds for the binaries, plus what the window loads at run time: the font it is
# drawn for and Qt's platform plugins.
set(CPACK_PACKAGE_NAME tagsmith)
set(CPACK_PACKAGE_VENDOR "The Tagsmith developers")
set(CPACK_PACKAGE_CONTACT "The Tagsmith developers <tagsmith@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tagsmith.example.org/")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compose the keywords meta tag of HTML and PHP documents")
# The package's long description (CPack indents it and marks the empty line).
set(CPACK_PACKAGE_DESCRIPTION
    "Tagsmith reads an HTML document or a PHP script, counts the words a visitor
would read and weighs each occurrence by where it stands: the title, the
description, headings, bold and italic text, tables and blocks. The words of
highest value make up the keywords meta tag, within a maximum number of
keywords and a maximum length. Common words of English, French, German,
Italian, Portuguese and Spanish are left out.

The package holds the window (tagsmith) and the command-line tool
(tagsmith-cli), which can also insert the tag into the documents.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
# The package installs below the configured prefix, so that the manual pages and the programs
# name the folders the package holds: build it with -DCMAKE_INSTALL_PREFIX=/usr.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TAGSMITH_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET tagsmith)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
    # The window shows the words of every script; Chinese, Japanese and Korean need this font.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
