# Copies SOURCE to CIBLE unless CIBLE exists.
if(NOT EXISTS "${CIBLE}")
    file(COPY_FILE "${SOURCE}" "${CIBLE}")
endif()
