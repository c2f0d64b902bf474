# Script mode: writes a C++ source that carries the program's resource pictures.
#   -DOUTPUT=<file.cpp> -DIDS=<id,id,..> -DDIRS=<dir,dir,..>
# For each id the first <dir>/<id>.png or <dir>/<id>.bmp found is embedded; ids without a file
# are left out, so the program runs without them and shows those controls without a picture.
string(REPLACE "," ";" IDS "${IDS}")
string(REPLACE "," ";" DIRS "${DIRS}")
set(arrays "")
set(adds "")
foreach(id IN LISTS IDS)
  set(found "")
  foreach(dir IN LISTS DIRS)
    foreach(ext png bmp)
      if(NOT found AND EXISTS "${dir}/${id}.${ext}")
        set(found "${dir}/${id}.${ext}")
      endif()
    endforeach()
  endforeach()
  if(found)
    file(READ "${found}" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND arrays "const std::uint8_t kResource${id}[] = {${bytes}};\n")
    string(APPEND adds "  table.add(${id}, kResource${id});\n")
  endif()
endforeach()

set(text "// Generated at build time from the resource pictures; do not edit.
#include <cstdint>

#include \"platform/resource_table.h\"

namespace pelorin {

namespace {

${arrays}
ResourceTable build() {
  ResourceTable table;
${adds}  return table;
}

}  // namespace

const ResourceTable& embeddedResources() {
  static const ResourceTable table = build();
  return table;
}

}  // namespace pelorin
")
file(WRITE "${OUTPUT}.new" "${text}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
