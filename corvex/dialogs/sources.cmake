# The dialogs of the Corvex control (settings, find, replace, go to line), for the Corvex
# target: add ${CORVEX_DIALOG_SOURCES} to its sources. The dialog templates are built in
# memory, so CORVEX_DIALOG_RESOURCES is empty. They need comctl32 and comdlg32.
get_filename_component(CORVEX_DIALOGS_DIR "${CMAKE_CURRENT_LIST_DIR}" ABSOLUTE)
set(CORVEX_DIALOG_SOURCES
  ${CORVEX_DIALOGS_DIR}/active_target.cpp
  ${CORVEX_DIALOGS_DIR}/check_list_page.cpp
  ${CORVEX_DIALOGS_DIR}/colour_page.cpp
  ${CORVEX_DIALOGS_DIR}/common_dialogs.cpp
  ${CORVEX_DIALOGS_DIR}/control_settings.cpp
  ${CORVEX_DIALOGS_DIR}/dialog_template.cpp
  ${CORVEX_DIALOGS_DIR}/dialog_window.cpp
  ${CORVEX_DIALOGS_DIR}/dialogs.cpp
  ${CORVEX_DIALOGS_DIR}/editing_page.cpp
  ${CORVEX_DIALOGS_DIR}/find_dialog.cpp
  ${CORVEX_DIALOGS_DIR}/font_page.cpp
  ${CORVEX_DIALOGS_DIR}/go_to_line_dialog.cpp
  ${CORVEX_DIALOGS_DIR}/keyboard_page.cpp
  ${CORVEX_DIALOGS_DIR}/line_numbering_page.cpp
  ${CORVEX_DIALOGS_DIR}/replace_dialog.cpp
  ${CORVEX_DIALOGS_DIR}/search_dialog.cpp
  ${CORVEX_DIALOGS_DIR}/search_session.cpp
  ${CORVEX_DIALOGS_DIR}/setting_names.cpp
  ${CORVEX_DIALOGS_DIR}/wide_text.cpp
  ${CORVEX_DIALOGS_DIR}/settings_dialog.cpp
)
set(CORVEX_DIALOG_RESOURCES)
