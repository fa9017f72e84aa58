# installer.cmake -- the installers: both packages read table by table, the x64 one installed and removed under Wine
kvrn_add_wine_test(wine_installer ${CMAKE_CURRENT_LIST_DIR}/installer_test.py)
