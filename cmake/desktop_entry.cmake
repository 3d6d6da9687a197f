# Fills the desktop entry's template with the MIME types listed one a line in MIME_LIST.
# Run as: cmake -DAPP_ID=... -DMIME_LIST=... -DTEMPLATE=... -DOUTPUT=... -P desktop_entry.cmake
file(STRINGS ${MIME_LIST} types)
list(LENGTH types count)
if(count EQUAL 0)
  message(FATAL_ERROR "${MIME_LIST} lists no MIME type")
endif()
set(XJ_APP_ID ${APP_ID})
# A list in CMake is already joined by ";", which is the key's own separator; the key ends with one.
set(XJ_MIME_TYPES "${types};")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
