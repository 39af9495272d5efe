# The one place that holds the program's version numbers: the Windows version resource, the
# native version table and the installer are all generated from these.
set(PORVAN_FILE_VERSION "1.5.0.0")
set(PORVAN_PRODUCT_VERSION "1.0.0.0")
