# The compiled resources of Menetkalk.exe, as the object library
# menetkalk_resources: an executable links them with
#   target_link_libraries(<exe> PRIVATE menetkalk_resources)
# An object library, because its object goes into the link as it is; as the
# member of a static library it would be dropped, no code referring to it.

find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The icon is kept as character pictures and drawn into the .ico here.
set(menetkalk_icon_dir ${CMAKE_CURRENT_LIST_DIR}/icon)
set(menetkalk_icon_palette ${menetkalk_icon_dir}/palette.txt)
# In the order of the icon group: 32 x 32 first, then 16 x 16.
set(menetkalk_icon_pictures ${menetkalk_icon_dir}/menetkalk-32.txt ${menetkalk_icon_dir}/menetkalk-16.txt)
set(menetkalk_icon ${CMAKE_CURRENT_BINARY_DIR}/Menetkalk.ico)
add_custom_command(OUTPUT ${menetkalk_icon}
  COMMAND Python3::Interpreter ${menetkalk_icon_dir}/make_icon.py
          ${menetkalk_icon_palette} ${menetkalk_icon} ${menetkalk_icon_pictures}
  DEPENDS ${menetkalk_icon_dir}/make_icon.py ${menetkalk_icon_palette} ${menetkalk_icon_pictures}
  COMMENT "Drawing Menetkalk.ico"
  VERBATIM)

add_library(menetkalk_resources OBJECT ${CMAKE_CURRENT_LIST_DIR}/Menetkalk.rc ${menetkalk_icon})
# The .rc finds the drawn icon in the build tree.
target_include_directories(menetkalk_resources PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
# The resource compiler reports no included files to the build, so name them.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/Menetkalk.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/resource.h;${menetkalk_icon}")
