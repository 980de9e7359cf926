# Fails the build unless DLL exports InitVLSkinEngine and VLSendMessage under
# their plain names (no stdcall decoration).
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE table RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump could not read ${DLL}")
endif()
foreach(name InitVLSkinEngine VLSendMessage)
  if(NOT table MATCHES "\\] ${name}\n")
    message(FATAL_ERROR "${DLL} does not export ${name} by its plain name")
  endif()
endforeach()
if(table MATCHES "\\] [A-Za-z]+@[0-9]+\n")
  message(FATAL_ERROR "${DLL} exports decorated names")
endif()
