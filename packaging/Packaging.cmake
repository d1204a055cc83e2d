# What the Debian package installs besides the program, and the package itself.
include(GNUInstallDirs)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tarvo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/tarvo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/tarvo-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME tarvo.png)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tarvo.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo)
set(CPACK_PACKAGE_VERSION ${TARVO_UPSTREAM_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TARVO_PACKAGE_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Tarvo <tarvo@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stock, sales and trade documents for small Bulgarian firms")
set(CPACK_PACKAGE_DESCRIPTION "Tarvo keeps a firm's goods catalogue, partners and own data, and issues its trade \
documents: goods notes, invoices, debit and credit notes, pro-formas, deliveries, production from recipes and \
stocktaking, with reports printed on any printer or to PDF. Its windows are in Bulgarian.")
# The libraries it links decide most dependencies; the fonts, the translations
# of Qt's own dialogs and the platform plugins are needed at run time only.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n, qt6-qpa-plugins, xdg-utils")
include(CPack)
