# lume_embed_resources(<target> <manifest>)
#
# Compiles the files a resource manifest names into <target> as read-only bytes, keyed by
# (type name, id). Each manifest line is "TYPE ID PATH" with PATH relative to the manifest;
# '#' starts a comment. The same manifest feeds both platforms:
#   Linux    the bytes are pulled in with the assembler's .incbin (no copy at run time, no giant
#            generated array to compile) behind a generated table that incbin/ searches;
#   Windows  a .rc file that windres compiles into the executable's resource section, found
#            with FindResourceW (rc/).
# What one platform could not hold is refused on both, so a manifest behaves the same
# everywhere: ids are 1 to 65535 (Win32 resource ids are 16-bit and 0 is no id), an id appears
# once per type with type names compared case-insensitively (as FindResourceW compares them),
# and a type name is no keyword of the resource compiler (windres would turn RCDATA, BITMAP,
# ... into predefined numeric types that no name finds).
function(lume_embed_resources target manifest)
  get_filename_component(manifest "${manifest}" ABSOLUTE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${manifest}")
  lume_read_resource_manifest("${manifest}" types ids paths)
  # The backend's CMake file picks the format.
  cmake_language(CALL _lume_resources_${LUME_RESOURCE_FORMAT} ${target} "${manifest}" "${types}" "${ids}" "${paths}")
endfunction()

# lume_read_resource_manifest(<manifest> <types-var> <ids-var> <paths-var>)
# The manifest's entries as three lists of equal length (absolute paths); any fault stops the
# configuration with the manifest's name and the offending line. Usable in script mode.
function(lume_read_resource_manifest manifest typesVar idsVar pathsVar)
  get_filename_component(base "${manifest}" DIRECTORY)
  set(rcKeywords ACCELERATORS ANICURSOR ANIICON BEGIN BITMAP CHARACTERISTICS CURSOR DIALOG
      DIALOGEX DLGINCLUDE DLGINIT END FONT FONTDIR HTML ICON LANGUAGE MANIFEST MENU MENUEX
      MESSAGETABLE PLUGPLAY RCDATA STRINGTABLE TOOLBAR VERSION VERSIONINFO VXD)
  file(STRINGS "${manifest}" lines)
  set(types "")
  set(ids "")
  set(paths "")
  set(keys "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "#.*$" "" line "${line}")
    string(STRIP "${line}" line)
    if(line STREQUAL "")
      continue()
    endif()
    string(REGEX MATCH "^([A-Za-z_][A-Za-z0-9_]*)[ \t]+([0-9]+)[ \t]+([^\"]+)$" ok "${line}")
    if(NOT ok)
      message(FATAL_ERROR "${manifest}: malformed line '${line}' (expected: TYPE ID PATH)")
    endif()
    set(type "${CMAKE_MATCH_1}")
    set(id "${CMAKE_MATCH_2}")
    set(path "${base}/${CMAKE_MATCH_3}")
    string(TOUPPER "${type}" key)
    if(key IN_LIST rcKeywords)
      message(FATAL_ERROR "${manifest}: type name ${type} is reserved by the resource compiler")
    endif()
    string(REGEX REPLACE "^0+" "" number "${id}") # 07 and 7 are the same id
    string(LENGTH "${number}" digits)
    if(digits EQUAL 0 OR digits GREATER 5 OR number GREATER 65535)
      message(FATAL_ERROR "${manifest}: ${type} ${id}: ids are 1 to 65535")
    endif()
    set(id ${number})
    if("${key}:${id}" IN_LIST keys)
      message(FATAL_ERROR "${manifest}: ${type} ${id} appears twice (type names ignore case)")
    endif()
    if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
      message(FATAL_ERROR "${manifest}: ${type} ${id}: file not found: ${path}")
    endif()
    list(APPEND keys "${key}:${id}")
    list(APPEND types "${type}")
    list(APPEND ids "${id}")
    list(APPEND paths "${path}")
  endforeach()
  set(${typesVar} "${types}" PARENT_SCOPE)
  set(${idsVar} "${ids}" PARENT_SCOPE)
  set(${pathsVar} "${paths}" PARENT_SCOPE)
endfunction()

# Windows: "ID TYPE "PATH"" lines for windres, which CMake's RC language runs.
function(_lume_resources_rc target manifest types ids paths)
  set(lines "")
  foreach(type id path IN ZIP_LISTS types ids paths)
    string(APPEND lines "${id} ${type} \"${path}\"\n")
  endforeach()
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.rc")
  file(CONFIGURE OUTPUT "${out}" @ONLY CONTENT [=[
// Generated from @manifest@ -- do not edit.
@lines@]=])
  target_sources(${target} PRIVATE "${out}")
  set_source_files_properties("${out}" PROPERTIES OBJECT_DEPENDS "${paths}")
endfunction()

# Linux: the bytes by .incbin, and the table incbin/ResourceLookupIncbin.cpp searches.
function(_lume_resources_incbin target manifest types ids paths)
  set(asm "")
  set(decls "")
  set(entries "")
  set(index 0)
  foreach(type id path IN ZIP_LISTS types ids paths)
    set(sym "lume_res_${target}_${index}")
    string(APPEND asm "    \".balign 16\\n.globl ${sym}\\n.hidden ${sym}\\n.globl ${sym}_end\\n.hidden ${sym}_end\\n${sym}:\\n.incbin \\\"${path}\\\"\\n${sym}_end:\\n\"\n")
    string(APPEND decls "extern \"C\" const unsigned char ${sym}[];\nextern \"C\" const unsigned char ${sym}_end[];\n")
    string(APPEND entries "    {\"${type}\", ${id}, ${sym}, ${sym}_end},\n")
    math(EXPR index "${index} + 1")
  endforeach()
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp")
  file(CONFIGURE OUTPUT "${out}" @ONLY CONTENT [=[
// Generated from @manifest@ -- do not edit.
#include "framework/app/incbin/ResourceTable.h"

asm(".pushsection .rodata\n"
@asm@    ".popsection\n");

@decls@
namespace lume::app {

std::span<const ResourceEntry> resourceTable()
{
    static const ResourceEntry sTable[] = {
@entries@        {nullptr, 0, nullptr, nullptr}};
    return {sTable, sizeof sTable / sizeof sTable[0] - 1};
}

} // namespace lume::app
]=])
  target_sources(${target} PRIVATE "${out}")
  set_source_files_properties("${out}" PROPERTIES OBJECT_DEPENDS "${paths}")
endfunction()
