# The components of both programs, each named once with its sources; every
# program, test, fuzzer, benchmark and tool links to them.  A source file is
# added in one line here.  COMPONENT_ROOT is the source tree.
#
#   text       the bounded copies and the case rule of both programs
#   store      the entry record, the file layer, the compiler of the text
#              source, the scan of the store, the rebuild and the merge of
#              an upgrade's word file: no dialog, so the host tools and
#              setup build from it alone
#   dictionary the operations on the store that update the main dialog
#   dialog     the dialog's logic that needs no window system: start-up, the
#              command dispatch, the layout, the help items, the list order
#   setuplogic the extraction (setupcore: setup's file layer and the reading
#              of the payload archive, which its packer shares)
#   packer     the writer of the payload archive, for mkpayload, the tests
#              and the benchmark; setup.exe does not link it
#   y          module y, over the registry of the build's choosing
#              (registrywin32 or, in tests, registrymodel)
#
# And what the tests, the benchmark and the fuzzers link besides
# (add_models, add_testsupport): the in-memory registry, the headless
# toolkit, the tests' support and their file layers with faults.
set(TEXT_SOURCES
    common/blocks.cpp
    common/codepage.cpp
    common/commandline.cpp
    common/text.cpp)
set(STORE_SOURCES
    dictionary/compile.cpp
    dictionary/fileio.cpp
    dictionary/readahead.cpp
    dictionary/sourcetext.cpp
    dictionary/store.cpp
    dictionary/storerebuild.cpp
    dictionary/storescan.cpp
    dictionary/studyrecord.cpp
    dictionary/wordentries.cpp
    dictionary/wordmerge.cpp
    dictionary/wordupgrade.cpp
    common/replacefile.cpp)
set(DICTIONARY_SOURCES
    dictionary/findtext.cpp
    dictionary/levels.cpp
    dictionary/lookup.cpp
    dictionary/rebuild.cpp
    dictionary/review.cpp
    dictionary/revision.cpp
    dictionary/schedule.cpp
    dictionary/search.cpp
    dictionary/storecommand.cpp
    dictionary/studydate.cpp
    dictionary/studylog.cpp
    dictionary/today.cpp
    dictionary/wordlist.cpp)
set(DIALOG_SOURCES
    ui/dispatch.cpp
    ui/help.cpp
    ui/layout.cpp
    ui/listorder.cpp
    ui/startup.cpp)
set(SETUPCORE_SOURCES
    common/filenames.cpp
    inst/files.cpp
    inst/paths.cpp
    inst/payload.cpp)
set(SETUPLOGIC_SOURCES
    inst/appentry.cpp
    inst/extract.cpp
    inst/record.cpp
    inst/uninstall.cpp
    inst/upgrade.cpp)
set(PACKER_SOURCES
    inst/payloadwriter.cpp)
set(Y_SOURCES
    common/y.cpp)

function(component_sources out)
    set(sources)
    foreach(source ${ARGN})
        list(APPEND sources ${COMPONENT_ROOT}/${source})
    endforeach()
    set(${out} ${sources} PARENT_SCOPE)
endfunction()

# add_components(SUFFIX [OPTIONS flag...]): the static libraries textSUFFIX,
# storeSUFFIX, dictionarySUFFIX, dialogSUFFIX, setupcoreSUFFIX,
# setuplogicSUFFIX, packerSUFFIX and ySUFFIX, each linking the components it
# calls (dialog: dictionary, store, text; setuplogic: setupcore, y, text;
# packer: setupcore).  OPTIONS go to every compile and link of them and of
# what links them.  Each is built only when something links it.
function(add_components suffix)
    cmake_parse_arguments(ARG "" "" "OPTIONS" ${ARGN})
    foreach(part text store dictionary dialog setupcore setuplogic packer y)
        string(TOUPPER ${part} upper)
        component_sources(sources ${${upper}_SOURCES})
        add_library(${part}${suffix} STATIC EXCLUDE_FROM_ALL ${sources})
        target_include_directories(${part}${suffix} PUBLIC ${COMPONENT_ROOT})
        if(ARG_OPTIONS)
            target_compile_options(${part}${suffix} PUBLIC ${ARG_OPTIONS})
            target_link_options(${part}${suffix} PUBLIC ${ARG_OPTIONS})
        endif()
    endforeach()
    target_link_libraries(store${suffix} PUBLIC text${suffix})
    target_link_libraries(setupcore${suffix} PUBLIC text${suffix})
    target_link_libraries(y${suffix} PUBLIC text${suffix})
    target_link_libraries(dictionary${suffix} PUBLIC store${suffix})
    target_link_libraries(dialog${suffix} PUBLIC dictionary${suffix})
    target_link_libraries(setuplogic${suffix} PUBLIC setupcore${suffix} y${suffix} store${suffix})
    target_link_libraries(packer${suffix} PUBLIC setupcore${suffix})
endfunction()

# add_models(SUFFIX [OPTIONS flag...]): what stands in for the window system
# and the registry.  registrymodelSUFFIX, the in-memory registry module y can
# write to, so that no test or benchmark run touches a real hive (and, on
# Windows, registrywin32SUFFIX, the real one); headlessSUFFIX, the headless
# model of the dialog's controls, which the dialog's logic calls through
# dictionary/toolkit.h.  headless is an object library, its objects linked
# into each program that names it, since the components call into it.
function(add_models suffix)
    cmake_parse_arguments(ARG "" "" "OPTIONS" ${ARGN})
    if(WIN32)
        add_library(registrywin32${suffix} STATIC EXCLUDE_FROM_ALL ${COMPONENT_ROOT}/common/registrywin32.cpp)
        target_link_libraries(registrywin32${suffix} PUBLIC advapi32)
    endif()
    add_library(registrymodel${suffix} STATIC EXCLUDE_FROM_ALL ${COMPONENT_ROOT}/tests/registrymodel.cpp)
    target_include_directories(registrymodel${suffix} PUBLIC ${COMPONENT_ROOT})
    if(ARG_OPTIONS)
        target_compile_options(registrymodel${suffix} PUBLIC ${ARG_OPTIONS})
    endif()
    add_library(headless${suffix} OBJECT EXCLUDE_FROM_ALL ${COMPONENT_ROOT}/tests/headless.cpp)
    target_link_libraries(headless${suffix} PUBLIC dialog${suffix})
endfunction()

# The calls of the shipped file layers that the tests' file layers stand in
# front of: a program linking filefaults or setupfaults is linked with
# --wrap=NAME for each, so that the logic's calls of NAME go to __wrap_NAME in
# the tests' layer, which fails on purpose or calls __real_NAME, the shipped
# one (see dictionary/fileio.h, inst/files.h).
set(FILEFAULTS_WRAPPED fileopen fileread filereadmore fileskip filewrite
    fileflush fileerror fileclose filereplace newblock)
set(SETUPFAULTS_WRAPPED sfopen sfread sfwrite sfskip sfclose sfsync sfreplace makefolder folderwritable)

# add_testsupport(SUFFIX GTEST target): object libraries of the tests' own
# code, compiled once and linked into each test program that names them:
# testsupportSUFFIX (tests/support/: the scratch folders and stores, today's
# date, over GoogleTest's target), filefaultsSUFFIX and setupfaultsSUFFIX (the file
# layers with faults, each with its --wrap).  testsupport calls filefaults:
# a program names both.
function(add_testsupport suffix)
    cmake_parse_arguments(ARG "" "GTEST" "" ${ARGN})
    file(GLOB support CONFIGURE_DEPENDS ${COMPONENT_ROOT}/tests/support/*.cpp)
    list(FILTER support EXCLUDE REGEX "/(file|setup)faults\\.cpp$")
    add_library(testsupport${suffix} OBJECT EXCLUDE_FROM_ALL ${support})
    foreach(layer filefaults setupfaults)
        string(TOUPPER ${layer} upper)
        add_library(${layer}${suffix} OBJECT EXCLUDE_FROM_ALL ${COMPONENT_ROOT}/tests/support/${layer}.cpp)
        list(TRANSFORM ${upper}_WRAPPED PREPEND "LINKER:--wrap=" OUTPUT_VARIABLE wraps)
        target_link_options(${layer}${suffix} INTERFACE ${wraps})
    endforeach()
    target_link_libraries(filefaults${suffix} PUBLIC store${suffix})
    target_link_libraries(setupfaults${suffix} PUBLIC setupcore${suffix})
    target_link_libraries(testsupport${suffix} PUBLIC dialog${suffix} ${ARG_GTEST})
    # today's date as the tests set it (tests/support/testtoday.h)
    target_link_options(testsupport${suffix} INTERFACE LINKER:--wrap=localtoday)
endfunction()
