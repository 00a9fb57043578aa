# Installation layout (GNUInstallDirs, below the prefix):
#   bin/tagsmith, bin/tagsmith-cli
#   <datadir>/tagsmith/          program texts, common-word lists, the sample page, the manual
#   share/applications/, share/metainfo/, share/icons/hicolor/   desktop entry, AppStream, icons
#   share/man/man1/              tagsmith.1, tagsmith-cli.1
#   share/bash-completion/completions/tagsmith-cli
#   share/doc/tagsmith/          licence, Debian copyright file and changelog, the word lists' notices
#   share/lintian/overrides/tagsmith   the lintian tags that do not apply to this package
# The programs find <datadir>/tagsmith from their own folder (TAGSMITH_RELATIVE_DATA_DIR).

set(TAGSMITH_INSTALL_DATA ${CMAKE_INSTALL_DATADIR}/tagsmith)
set(TAGSMITH_INSTALL_DOC ${CMAKE_INSTALL_DATAROOTDIR}/doc/tagsmith)
set(TAGSMITH_DIST ${CMAKE_SOURCE_DIR}/dist/unix)
set(TAGSMITH_APP_ID org.example.tagsmith)

install(FILES ${TAGSMITH_DATA_FILES} DESTINATION ${TAGSMITH_INSTALL_DATA})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/sample DESTINATION ${TAGSMITH_INSTALL_DATA})
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${TAGSMITH_DIST}/copyright
    DESTINATION ${TAGSMITH_INSTALL_DOC})
install(FILES ${CMAKE_SOURCE_DIR}/data/README.md DESTINATION ${TAGSMITH_INSTALL_DOC}
    RENAME README.word-lists.md)
# The package's history, compressed as Debian keeps it; its first line names the version the
# package is built as (checked here, so that the two cannot drift apart).
file(STRINGS ${TAGSMITH_DIST}/changelog.Debian changelog_head LIMIT_COUNT 1)
set(changelog_version "${PROJECT_VERSION}-${TAGSMITH_PACKAGE_RELEASE}")
if(NOT changelog_head MATCHES "^tagsmith \\(${changelog_version}\\) ")
    message(FATAL_ERROR "dist/unix/changelog.Debian does not begin with version ${changelog_version}")
endif()
set(changelog_gz ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${changelog_gz}
    COMMAND gzip -9nc ${TAGSMITH_DIST}/changelog.Debian > ${changelog_gz}
    DEPENDS ${TAGSMITH_DIST}/changelog.Debian)
add_custom_target(tagsmith_changelog ALL DEPENDS ${changelog_gz})
install(FILES ${changelog_gz} DESTINATION ${TAGSMITH_INSTALL_DOC})
install(FILES ${TAGSMITH_DIST}/tagsmith.lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME tagsmith)
install(FILES ${TAGSMITH_DIST}/tagsmith-cli.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions RENAME tagsmith-cli)

# Desktop integration, with the window.
if(TARGET tagsmith)
    install(FILES ${TAGSMITH_DIST}/${TAGSMITH_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
    install(FILES ${TAGSMITH_DIST}/${TAGSMITH_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
    set(icons ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor)
    install(FILES ${TAGSMITH_DIST}/icons/${TAGSMITH_APP_ID}.svg DESTINATION ${icons}/scalable/apps)
    foreach(size 48 256)
        install(FILES ${TAGSMITH_DIST}/icons/${TAGSMITH_APP_ID}-${size}.png
            DESTINATION ${icons}/${size}x${size}/apps RENAME ${TAGSMITH_APP_ID}.png)
    endforeach()
endif()

# Manual pages: tagsmith-cli(1) from its --help and --version, tagsmith(1) written by hand. Both
# name the data folder below the installation prefix (the package is built with prefix /usr).
find_program(TAGSMITH_HELP2MAN help2man)
if(TAGSMITH_HELP2MAN)
    set(manpages_default ON)
else()
    set(manpages_default OFF)
endif()
option(TAGSMITH_BUILD_MANPAGES "Build the manual pages (needs help2man)" ${manpages_default})
if(TAGSMITH_BUILD_MANPAGES)
    if(NOT TAGSMITH_HELP2MAN)
        message(FATAL_ERROR "help2man is needed for the manual pages (or -DTAGSMITH_BUILD_MANPAGES=OFF)")
    endif()
    set(TAGSMITH_DATA_FOLDER_SHOWN ${CMAKE_INSTALL_FULL_DATADIR}/tagsmith)
    set(TAGSMITH_VERSION_SHOWN ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
    set(TAGSMITH_RELEASE_DATE 2026-12-06)
    set(man ${CMAKE_BINARY_DIR}/man)
    configure_file(${TAGSMITH_DIST}/tagsmith-cli.h2m.in ${man}/tagsmith-cli.h2m @ONLY)
    configure_file(${TAGSMITH_DIST}/tagsmith.1.in ${man}/tagsmith.1 @ONLY)
    add_custom_command(OUTPUT ${man}/tagsmith-cli.1
        COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ASAN_OPTIONS=detect_leaks=0
            ${TAGSMITH_HELP2MAN} --no-info --section=1 --include=${man}/tagsmith-cli.h2m
            "--name=compose the keywords meta tag of HTML and PHP documents"
            --output=${man}/tagsmith-cli.1
            "${TAGSMITH_DIST}/help-all $<TARGET_FILE:tagsmith-cli>"
        DEPENDS tagsmith-cli ${man}/tagsmith-cli.h2m ${TAGSMITH_DIST}/help-all
        COMMENT "Writing the manual page tagsmith-cli(1)")
    # Compressed for installing, as Debian keeps manual pages.
    add_custom_command(OUTPUT ${man}/tagsmith-cli.1.gz ${man}/tagsmith.1.gz
        COMMAND gzip -9nkf ${man}/tagsmith-cli.1 ${man}/tagsmith.1
        DEPENDS ${man}/tagsmith-cli.1 ${man}/tagsmith.1)
    add_custom_target(tagsmith_manpages ALL DEPENDS ${man}/tagsmith-cli.1.gz ${man}/tagsmith.1.gz)
    install(FILES ${man}/tagsmith-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    if(TARGET tagsmith)
        install(FILES ${man}/tagsmith.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
endif()

# The validators of the desktop entry and the AppStream data, and the completion's own test.
if(TAGSMITH_BUILD_TESTS)
    find_program(TAGSMITH_DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
    find_program(TAGSMITH_APPSTREAMCLI appstreamcli REQUIRED)
    add_test(NAME desktop_entry_validates
        COMMAND ${TAGSMITH_DESKTOP_FILE_VALIDATE} ${TAGSMITH_DIST}/${TAGSMITH_APP_ID}.desktop)
    add_test(NAME appstream_metainfo_validates
        COMMAND ${TAGSMITH_APPSTREAMCLI} validate --no-net --pedantic
            ${TAGSMITH_DIST}/${TAGSMITH_APP_ID}.metainfo.xml)
    add_test(NAME bash_completion_completes
        COMMAND bash ${CMAKE_SOURCE_DIR}/tests/dist/completion-test
            ${TAGSMITH_DIST}/tagsmith-cli.bash-completion $<TARGET_FILE:tagsmith-cli>)
    set_tests_properties(desktop_entry_validates appstream_metainfo_validates
        bash_completion_completes PROPERTIES LABELS test_dist)
    if(TAGSMITH_BUILD_MANPAGES)
        add_test(NAME manual_pages_document_every_option
            COMMAND bash ${CMAKE_SOURCE_DIR}/tests/dist/manpage-test ${man}
                $<TARGET_FILE:tagsmith-cli>)
        set_tests_properties(manual_pages_document_every_option PROPERTIES LABELS test_dist)
    endif()
endif()
