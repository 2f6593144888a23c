# quillet_embed_version_info(TARGET): gives TARGET the program's version data (product name,
# copyright, version, release date, web site) in its ELF section ".vsversion", where the
# version reader and the about box find it.
set(QUILLET_PRODUCT_NAME "Quillet - where the space on a disk goes")
set(QUILLET_COPYRIGHT "Copyright © 2026 Corvane")
set(QUILLET_WEB_SITE "quillet.corvane.example" CACHE STRING "Web address shown in the about box")

# quillet_test_version_info(TARGET): the same for a test program, which is also told, as
# compile definitions, what it must read back.
function(quillet_test_version_info target)
    quillet_embed_version_info(${target})
    target_compile_definitions(${target} PRIVATE
        QUILLET_PRODUCT_NAME="${QUILLET_PRODUCT_NAME}"
        QUILLET_FILE_VERSION="${PROJECT_VERSION}.0"
        QUILLET_RELEASE_DATE="${QUILLET_RELEASE_DATE}"
        QUILLET_WEB_SITE="${QUILLET_WEB_SITE}")
endfunction()

# On Windows the same data are an ordinary VERSIONINFO resource, which windres compiles.
if(WIN32)
    function(quillet_embed_version_info target)
        set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
        string(REPLACE "." "," numbers "${PROJECT_VERSION}.0")
        file(CONFIGURE OUTPUT ${resource} CONTENT [=[
#pragma code_page(65001)
1 VERSIONINFO
FILEVERSION @numbers@
PRODUCTVERSION @numbers@
FILETYPE 1
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040904E4"
    BEGIN
      VALUE "CompanyName", "Corvane"
      VALUE "FileDescription", "Quillet"
      VALUE "FileVersion", "@PROJECT_VERSION@.0"
      VALUE "InternalName", "quillet"
      VALUE "LegalCopyright", "@QUILLET_COPYRIGHT@"
      VALUE "OriginalFileName", "@target@.exe"
      VALUE "ProductName", "@QUILLET_PRODUCT_NAME@"
      VALUE "ProductVersion", "@PROJECT_VERSION@"
      VALUE "Comments", "@QUILLET_RELEASE_DATE@"
      VALUE "Web site", "@QUILLET_WEB_SITE@"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x409, 1252
  END
END
]=] @ONLY)
        target_sources(${target} PRIVATE ${resource})
    endfunction()
    return()
endif()

function(quillet_embed_version_info target)
    set(data ${CMAKE_CURRENT_BINARY_DIR}/${target}.vsversion)
    add_custom_command(OUTPUT ${data}
        COMMAND quillet-versioninfo ${data} ${PROJECT_VERSION}.0 ${QUILLET_RELEASE_DATE}
                ${QUILLET_PRODUCT_NAME} ${QUILLET_COPYRIGHT} ${QUILLET_WEB_SITE}
        DEPENDS quillet-versioninfo
        COMMENT "Writing the version data of ${target}"
        VERBATIM)
    # The R flag keeps the linker from dropping a section that nothing refers to.
    set(assembly ${CMAKE_CURRENT_BINARY_DIR}/${target}-vsversion.S)
    file(CONFIGURE OUTPUT ${assembly} CONTENT
        "    .section .vsversion,\"aR\",@progbits\n    .incbin \"${data}\"\n    .section .note.GNU-stack,\"\",@progbits\n")
    set_source_files_properties(${assembly} PROPERTIES OBJECT_DEPENDS ${data})
    target_sources(${target} PRIVATE ${assembly})
endfunction()
