# The Debian package: `cpack` in a release build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME redaction-des-ordres)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Rédaction des Ordres <redaction-des-ordres@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Écrire les ordres d'une équipe cycliste pour la prochaine course")
set(CPACK_PACKAGE_DESCRIPTION
    "Le manager d'une équipe cycliste d'un jeu de gestion ouvre le fichier d'équipe (.cyc), donne ses ordres à chaque coureur dans les limites du jeu et enregistre le fichier d'ordres (.ord) que le jeu relit.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
