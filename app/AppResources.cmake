# The program's own resources besides the built-in skin: the manifest kept
# beside the resource script and the icon drawn by the host tool appicon into
# <build>/app-icon. windres finds both through the target's include folders.
set(DR_APP_ICON_DIR ${PROJECT_BINARY_DIR}/app-icon CACHE INTERNAL "Folder of the program's icon")

# Target `app_icon` draws the icon.
function(dr_app_icon)
  if(TARGET app_icon)
    return()
  endif()
  dr_host_tool(appicon appicon)
  # The tool is a target of this tree natively, a file of the native tree when cross-building.
  if(CMAKE_CROSSCOMPILING)
    set(iconTool ${appicon})
  else()
    set(iconTool appicon)
  endif()
  add_custom_command(
    OUTPUT ${DR_APP_ICON_DIR}/DocRenamer.ico
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DR_APP_ICON_DIR}
    COMMAND ${appicon} ${DR_APP_ICON_DIR}/DocRenamer.ico
    DEPENDS ${iconTool}
    COMMENT "Drawing the program's icon"
    VERBATIM)
  add_custom_target(app_icon DEPENDS ${DR_APP_ICON_DIR}/DocRenamer.ico)
endfunction()

# For a module built with the program's resource script `rcSource`: draws the
# icon first and recompiles the script when the icon or the manifest changes.
function(dr_link_app_resources target rcSource)
  dr_app_icon()
  add_dependencies(${target} app_icon)
  get_filename_component(rcFolder ${rcSource} DIRECTORY)
  target_include_directories(${target} PRIVATE ${DR_APP_ICON_DIR} ${rcFolder})
  set_property(SOURCE ${rcSource} APPEND PROPERTY OBJECT_DEPENDS
    ${DR_APP_ICON_DIR}/DocRenamer.ico ${rcFolder}/DocRenamer.exe.manifest)
endfunction()
