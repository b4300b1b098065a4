# The components of both programs, each named once with its sources; every
# program, test, fuzzer, benchmark and tool links to them.  A source file is
# added in one line here.  COMPONENT_ROOT is the source tree.
#
#   text       the bounded copies and the case rule of both programs
#   store      the entry record, the file layer and the compiler of the text
#              source: no dialog, so the host tools build from it alone
#   dictionary the operations on the store that update the main dialog
#   dialog     the dialog's logic that needs no window system: start-up, the
#              command dispatch, the layout, the help items, the list order
#   setuplogic the payload archive and the extraction (setupcore: the archive
#              alone, for its packer)
#   y          module y, over the registry of the build's choosing
#              (registrywin32 or, in tests, registrymodel)
set(TEXT_SOURCES
    common/text.cpp)
set(STORE_SOURCES
    dictionary/compile.cpp
    dictionary/fileio.cpp
    common/fileview.cpp
    dictionary/readahead.cpp
    dictionary/sourcetext.cpp
    dictionary/store.cpp
    common/codepage.cpp
    common/replacefile.cpp)
set(DICTIONARY_SOURCES
    dictionary/findtext.cpp
    dictionary/levels.cpp
    dictionary/lookup.cpp
    dictionary/rebuild.cpp
    dictionary/revision.cpp
    dictionary/search.cpp
    dictionary/storescan.cpp
    dictionary/wordlist.cpp)
set(DIALOG_SOURCES
    ui/dispatch.cpp
    ui/help.cpp
    ui/layout.cpp
    ui/listorder.cpp
    ui/startup.cpp)
set(SETUPCORE_SOURCES
    inst/files.cpp
    inst/paths.cpp
    inst/payload.cpp)
set(SETUPLOGIC_SOURCES
    inst/appentry.cpp
    inst/extract.cpp
    inst/record.cpp
    inst/uninstall.cpp)
set(Y_SOURCES
    common/y.cpp)

function(component_sources out)
    set(sources)
    foreach(source ${ARGN})
        list(APPEND sources ${COMPONENT_ROOT}/${source})
    endforeach()
    set(${out} ${sources} PARENT_SCOPE)
endfunction()

# add_components(SUFFIX [FAULTS] [OPTIONS flag...]): the static libraries
# textSUFFIX, storeSUFFIX, dictionarySUFFIX, dialogSUFFIX, setupcoreSUFFIX, setupSUFFIX and
# ySUFFIX, each depending on the ones below it.  FAULTS compiles the test
# builds' fault seams in; OPTIONS go to every compile and link.
function(add_components suffix)
    cmake_parse_arguments(ARG "FAULTS" "" "OPTIONS" ${ARGN})
    foreach(part text store dictionary dialog setupcore setuplogic y)
        string(TOUPPER ${part} upper)
        component_sources(sources ${${upper}_SOURCES})
        add_library(${part}${suffix} STATIC ${sources})
        target_include_directories(${part}${suffix} PUBLIC ${COMPONENT_ROOT})
        if(ARG_OPTIONS)
            target_compile_options(${part}${suffix} PUBLIC ${ARG_OPTIONS})
            target_link_options(${part}${suffix} PUBLIC ${ARG_OPTIONS})
        endif()
    endforeach()
    if(ARG_FAULTS)
        target_compile_definitions(store${suffix} PUBLIC VANTREL_FAULTS)
        target_compile_definitions(setupcore${suffix} PUBLIC SETUP_FAULTS)
    endif()
    target_link_libraries(store${suffix} PUBLIC text${suffix})
    target_link_libraries(setupcore${suffix} PUBLIC text${suffix})
    target_link_libraries(y${suffix} PUBLIC text${suffix})
    target_link_libraries(dictionary${suffix} PUBLIC store${suffix})
    target_link_libraries(dialog${suffix} PUBLIC dictionary${suffix})
    target_link_libraries(setuplogic${suffix} PUBLIC setupcore${suffix} y${suffix})
endfunction()

# The registries module y can write to: the real one, and the in-memory model
# the tests and the benchmark use, so that no run touches a real hive.
function(add_registries suffix)
    if(WIN32)
        add_library(registrywin32${suffix} STATIC ${COMPONENT_ROOT}/common/registrywin32.cpp)
        target_link_libraries(registrywin32${suffix} PUBLIC advapi32)
    endif()
    add_library(registrymodel${suffix} STATIC ${COMPONENT_ROOT}/tests/registrymodel.cpp)
    target_include_directories(registrymodel${suffix} PUBLIC ${COMPONENT_ROOT})
    cmake_parse_arguments(ARG "" "" "OPTIONS" ${ARGN})
    if(ARG_OPTIONS)
        target_compile_options(registrymodel${suffix} PUBLIC ${ARG_OPTIONS})
    endif()
endfunction()
