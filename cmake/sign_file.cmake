# Signs FILE in place with the certificate of the PKCS#12 file PFX (osslsigncode at OSSLSIGNCODE),
# its password read from PASSWORD_FILE when one is named, timestamped by TIMESTAMP_URL when set.
foreach(required FILE PFX OSSLSIGNCODE)
  if(NOT ${required})
    message(FATAL_ERROR "sign_file.cmake needs -D${required}")
  endif()
endforeach()
# Without a password file osslsigncode opens the PKCS#12 file with an empty password.
if(PASSWORD_FILE)
  set(password -readpass "${PASSWORD_FILE}")
endif()
if(TIMESTAMP_URL)
  set(timestamp -ts "${TIMESTAMP_URL}")
endif()
set(signed "${FILE}.signed")
file(REMOVE "${signed}")
execute_process(
  COMMAND "${OSSLSIGNCODE}" sign -pkcs12 "${PFX}" ${password} -h sha256
          -n "Porvan" ${timestamp} -in "${FILE}" -out "${signed}"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  file(REMOVE "${signed}")
  message(FATAL_ERROR "osslsigncode could not sign ${FILE} with ${PFX}")
endif()
file(RENAME "${signed}" "${FILE}")
