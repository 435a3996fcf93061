# The translations' sources and how lupdate reads the code, shared by the build of the .qm
# files and the test that no text of the code is missing from the .ts files.
set(NINEFOLD_LANGUAGES de es fr it ja nl pl pt_BR ru zh_CN)
set(NINEFOLD_TS_FILES)
foreach(language ${NINEFOLD_LANGUAGES})
    list(APPEND NINEFOLD_TS_FILES ${PROJECT_SOURCE_DIR}/translations/ninefold_${language}.ts)
endforeach()
# Every file of the window and the engine: lupdate takes only the marked texts from them.
file(GLOB_RECURSE NINEFOLD_TRANSLATED_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/ui/*.cpp ${PROJECT_SOURCE_DIR}/ui/*.h
    ${PROJECT_SOURCE_DIR}/engine/*.cpp ${PROJECT_SOURCE_DIR}/engine/*.h)
set(NINEFOLD_LUPDATE_OPTIONS -locations none -no-ui-lines -no-obsolete -tr-function-alias
    QT_TRANSLATE_NOOP+=NINEFOLD_TEXT,QT_TRANSLATE_N_NOOP+=NINEFOLD_COUNTED_TEXT)

# Compiles Qt's own translations of the shipped languages into a target, under ":/i18n/".
function(ninefold_embed_qt_translations target)
    set(folder ${QT_HOST_PATH}/share/qt6/translations)
    set(files)
    foreach(language ${NINEFOLD_LANGUAGES})
        if(EXISTS ${folder}/qtbase_${language}.qm)
            list(APPEND files ${folder}/qtbase_${language}.qm)
        endif()
    endforeach()
    if(NOT files)
        message(WARNING "No Qt translations in ${folder}: Qt's dialogs stay English")
        return()
    endif()
    qt_add_resources(${target} ninefold_qt_translations PREFIX /i18n BASE ${folder}
        FILES ${files})
endfunction()
