# The layers of the source, bottom up: "name folder-under-src layers-it-links-directly".
# A layer links only layers listed above it, and a file may include headers of its own layer
# and of the layers it reaches through those links (tests/layers/CheckLayers.cmake checks it).
set(TAGSMITH_LAYER_TABLE
    "text      core/text         -"
    "platform  platform          -"
    "model     core/model        -"
    "engine    core/engine       text,model"
    "scanner   core/scanner      engine,platform"
    "pipeline  core/pipeline     scanner"
    "editor    core/editor       pipeline"
    "window    core/window       editor"
    "console   platform/console  platform,text"
    "qt        platform/qt       platform,text"
    "cli       cli               window,console"
    "gui       gui               window,qt")

# Splits one row of the table into <prefix>_NAME, <prefix>_FOLDER and <prefix>_LINKS (a list).
function(tagsmith_layer_row row prefix)
    string(REGEX REPLACE " +" ";" fields "${row}")
    list(GET fields 0 name)
    list(GET fields 1 folder)
    list(GET fields 2 links)
    if(links STREQUAL "-")
        set(links "")
    endif()
    string(REPLACE "," ";" links "${links}")
    set(${prefix}_NAME ${name} PARENT_SCOPE)
    set(${prefix}_FOLDER ${folder} PARENT_SCOPE)
    set(${prefix}_LINKS ${links} PARENT_SCOPE)
endfunction()

# The direct links of a layer, from the table.
function(tagsmith_layer_links layer out)
    foreach(row IN LISTS TAGSMITH_LAYER_TABLE)
        tagsmith_layer_row("${row}" L)
        if(L_NAME STREQUAL layer)
            set(${out} ${L_LINKS} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    message(FATAL_ERROR "No layer named ${layer} in TAGSMITH_LAYER_TABLE")
endfunction()

# Declares the library tagsmith_<layer> with the given sources (none: a header-only layer),
# linking the layers the table lists for it, plus any EXTRA targets (toolkits).
function(tagsmith_layer layer)
    cmake_parse_arguments(ARG "" "" "SOURCES;EXTRA" ${ARGN})
    tagsmith_layer_links(${layer} links)
    list(TRANSFORM links PREPEND tagsmith_)
    if(ARG_SOURCES)
        add_library(tagsmith_${layer} STATIC ${ARG_SOURCES})
        target_include_directories(tagsmith_${layer} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(tagsmith_${layer} PUBLIC ${links} ${ARG_EXTRA})
    else()
        add_library(tagsmith_${layer} INTERFACE)
        target_include_directories(tagsmith_${layer} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(tagsmith_${layer} INTERFACE ${links} ${ARG_EXTRA})
    endif()
endfunction()
