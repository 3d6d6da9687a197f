# What `cmake --install` puts where a desktop finds it: the program, its help text, the menu
# entry with the types the file manager may open with it, the icon and the software centre's
# description. One id names the entry, the icon and the description.
include(GNUInstallDirs)

set(XJ_APP_ID io.github.xingjing)
set(XJ_RELEASE_DATE 2026-12-08)
set(XJ_PROJECT_LICENSE LicenseRef-proprietary)

install(TARGETS xingjing RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/readme.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/xingjing)

# The MIME types come from the open dialog's own type table: a type added there reaches the
# menu entry on the next build.
add_executable(mime_list ${CMAKE_SOURCE_DIR}/tools/mime_list.cpp)
target_link_libraries(mime_list PRIVATE xj_model)
set(XJ_DESKTOP_ENTRY ${CMAKE_BINARY_DIR}/${XJ_APP_ID}.desktop)
add_custom_command(OUTPUT ${XJ_DESKTOP_ENTRY}
  COMMAND mime_list ${CMAKE_BINARY_DIR}/mime_types.txt
  COMMAND ${CMAKE_COMMAND} -DAPP_ID=${XJ_APP_ID} -DMIME_LIST=${CMAKE_BINARY_DIR}/mime_types.txt
          -DTEMPLATE=${CMAKE_SOURCE_DIR}/data/${XJ_APP_ID}.desktop.in -DOUTPUT=${XJ_DESKTOP_ENTRY}
          -P ${CMAKE_SOURCE_DIR}/cmake/desktop_entry.cmake
  DEPENDS mime_list ${CMAKE_SOURCE_DIR}/data/${XJ_APP_ID}.desktop.in
          ${CMAKE_SOURCE_DIR}/cmake/desktop_entry.cmake
  COMMENT "Writing the desktop entry with the player's MIME types")

configure_file(data/${XJ_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${XJ_APP_ID}.metainfo.xml
  @ONLY)

# The bitmaps for desktops that want a fixed size are drawn from the one scalable icon.
set(XJ_ICON ${CMAKE_SOURCE_DIR}/data/icons/${XJ_APP_ID}.svg)
set(XJ_ICON_SIZES 16 32 48 128 256)
find_program(RSVG_CONVERT rsvg-convert)
set(XJ_ICON_BITMAPS)
if(RSVG_CONVERT)
  foreach(size ${XJ_ICON_SIZES})
    set(bitmap ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${XJ_APP_ID}.png)
    add_custom_command(OUTPUT ${bitmap}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${bitmap} ${XJ_ICON}
      DEPENDS ${XJ_ICON}
      COMMENT "Drawing the ${size}x${size} icon")
    list(APPEND XJ_ICON_BITMAPS ${bitmap})
    install(FILES ${bitmap}
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
else()
  message(WARNING "rsvg-convert (librsvg2-bin) not found: the icon is installed scalable only")
endif()
add_custom_target(desktop_files ALL DEPENDS ${XJ_DESKTOP_ENTRY} ${XJ_ICON_BITMAPS})

install(FILES ${XJ_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${XJ_ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_BINARY_DIR}/${XJ_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
