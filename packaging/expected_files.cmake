# Files an installation must hold, relative to the root it was installed into.
set(GLODANJE_EXPECTED_FILES
  usr/bin/glodanje
  usr/bin/glodanje-batch
  usr/share/applications/org.glodanje.Glodanje.desktop
  usr/share/metainfo/org.glodanje.Glodanje.metainfo.xml
  usr/share/mime/packages/org.glodanje.Glodanje.xml
  usr/share/man/man1/glodanje-batch.1
  usr/share/doc/glodanje/copyright
  usr/share/glodanje/examples/suprotno_i_istosmerno.glodanje
  usr/share/glodanje/examples/pomak_28Cr4.glodanje
  usr/share/glodanje/examples/nagib_seciva.glodanje)
foreach(size 16 32 48 64 128 256)
  list(APPEND GLODANJE_EXPECTED_FILES usr/share/icons/hicolor/${size}x${size}/apps/glodanje.png)
endforeach()
