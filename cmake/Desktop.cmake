# What makes an installed Tinctora a desktop application: the desktop entry, the
# file type of colour settings files, the AppStream description and the icon.

# One id names the desktop entry, the AppStream component and the icon. It is the
# reverse of the host the program itself names (the about box, the update check).
set(TINCTORA_APP_ID example.tinctora.Tinctora)
set(TINCTORA_MIME_TYPE application/x-tinctora-colour-settings)
# AppStream accepts screenshots only as web addresses: the picture
# resources/screenshots/main-window.png as published on the program's own site.
# Set empty, the description goes without one.
set(TINCTORA_SCREENSHOT_URL "https://www.tinctora.example/screenshots/main-window.png"
    CACHE STRING "https address of the published main-window screenshot")

set(desktop_src ${PROJECT_SOURCE_DIR}/resources/desktop)
set(desktop_out ${PROJECT_BINARY_DIR}/desktop)
file(READ ${desktop_src}/tinctora.metainfo.xml.in metainfo)
if(NOT TINCTORA_SCREENSHOT_URL)
  string(REGEX REPLACE "  <screenshots>.*</screenshots>\n" "" metainfo "${metainfo}")
endif()
configure_file(${desktop_src}/tinctora.desktop.in ${desktop_out}/${TINCTORA_APP_ID}.desktop @ONLY)
file(CONFIGURE OUTPUT ${desktop_out}/${TINCTORA_APP_ID}.metainfo.xml CONTENT "${metainfo}" @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${desktop_src}/tinctora.metainfo.xml.in)
configure_file(${desktop_src}/tinctora-mime.xml.in ${desktop_out}/${TINCTORA_APP_ID}.xml @ONLY)

install(FILES ${desktop_out}/${TINCTORA_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${desktop_out}/${TINCTORA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${desktop_out}/${TINCTORA_APP_ID}.xml DESTINATION share/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/resources/screenshots/main-window.png DESTINATION share/tinctora/screenshots)

set(icon_svg ${PROJECT_SOURCE_DIR}/resources/icons/tinctora.svg)
install(FILES ${icon_svg} DESTINATION share/icons/hicolor/scalable/apps RENAME ${TINCTORA_APP_ID}.svg)

# Fixed sizes for panels and menus that do not scale SVG icons, rendered when
# rsvg-convert (package librsvg2-bin) is there.
find_program(TINCTORA_RSVG_CONVERT rsvg-convert)
if(TINCTORA_RSVG_CONVERT)
  set(icon_pngs)
  foreach(size 16 24 32 48 64 128 256)
    set(png ${desktop_out}/icons/${size}/${TINCTORA_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${desktop_out}/icons/${size}
      COMMAND ${TINCTORA_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
      DEPENDS ${icon_svg}
      VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(tinctora_icons ALL DEPENDS ${icon_pngs})
else()
  message(STATUS "rsvg-convert not found: only the scalable icon is installed")
endif()
