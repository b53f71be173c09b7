# lume_embed_resources(<target> <manifest>)
#
# Compiles the files a resource manifest names into <target> as read-only bytes, keyed by
# (type name, id). Each manifest line is "TYPE ID PATH" with PATH relative to the manifest;
# '#' starts a comment. The same manifest is meant to feed a Windows .rc file, so types and
# ids are plain tokens. The bytes are pulled in with the assembler's .incbin: no copy at
# run time and no giant generated array to compile.
function(lume_embed_resources target manifest)
  get_filename_component(manifest "${manifest}" ABSOLUTE)
  get_filename_component(base "${manifest}" DIRECTORY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${manifest}")
  file(STRINGS "${manifest}" lines)
  set(asm "")
  set(decls "")
  set(entries "")
  set(files "")
  set(index 0)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "#.*$" "" line "${line}")
    string(STRIP "${line}" line)
    if(line STREQUAL "")
      continue()
    endif()
    string(REGEX MATCH "^([A-Za-z_][A-Za-z0-9_]*)[ \t]+([0-9]+)[ \t]+(.+)$" ok "${line}")
    if(NOT ok)
      message(FATAL_ERROR "${manifest}: malformed line '${line}' (expected: TYPE ID PATH)")
    endif()
    set(type "${CMAKE_MATCH_1}")
    set(id "${CMAKE_MATCH_2}")
    set(path "${base}/${CMAKE_MATCH_3}")
    if(NOT EXISTS "${path}")
      message(FATAL_ERROR "${manifest}: ${type} ${id}: file not found: ${path}")
    endif()
    set(sym "lume_res_${target}_${index}")
    string(APPEND asm "    \".balign 16\\n.globl ${sym}\\n.hidden ${sym}\\n.globl ${sym}_end\\n.hidden ${sym}_end\\n${sym}:\\n.incbin \\\"${path}\\\"\\n${sym}_end:\\n\"\n")
    string(APPEND decls "extern \"C\" const unsigned char ${sym}[];\nextern \"C\" const unsigned char ${sym}_end[];\n")
    string(APPEND entries "    {\"${type}\", ${id}, ${sym}, ${sym}_end},\n")
    list(APPEND files "${path}")
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
  set_source_files_properties("${out}" PROPERTIES OBJECT_DEPENDS "${files}")
endfunction()
