#!/bin/sh
# Developer script: makes the small source images in data/media/ from Debian packages.
# Run once by hand (it needs ImageMagick's convert); the build only reads data/media/.
#   mkdir /tmp/src && cd /tmp/src
#   apt-get download stellarium-data marble-qt-data
#   for f in *.deb; do d=${f%%_*}; mkdir -p $d; dpkg-deb -x $f $d; done
#   sh tools/mkviews/extract_media.sh /tmp/src data/media
set -e
src=$1
out=$2
marble=$src/marble-qt-data/usr/share/marble/data/maps
stel=$src/stellarium-data/usr/share/stellarium
mkdir -p "$out"

# Surface maps, equirectangular, longitude -180..180 from left to right.
# NASA Blue Marble Next Generation (public domain).
convert "$marble/earth/bluemarble/bluemarble.jpg" -resize 1024x512! -strip -quality 85 \
    "$out/earth_map.jpg"
# Clementine UVVIS basemap mosaic, NASA/SDIO, USGS Astrogeology (public domain).
convert "$marble/moon/clementine/clementine.jpg" -resize 1024x512! -colorspace Gray -strip \
    -quality 85 "$out/moon_map.jpg"
# Mars map from JPL (courtesy NASA/JPL-Caltech), as shipped by Stellarium.
convert "$stel/textures/mars.png" -strip -quality 92 "$out/mars_map.jpg"

# Photographs, cropped to the viewer's 4:3 frame at 512 x 384 (ESO, CC BY 4.0).
neb=$stel/nebulae/default
# Rho Ophiuchi cloud complex (ESO/S. Guisard): the tile with rho Oph and its blue nebula.
convert "$neb/rho-a11.png" -alpha off -crop 432x324+0+120 +repage -resize 512x384! -strip \
    -quality 92 "$out/rho_ophiuchi.jpg"
# Vela supernova remnant (ESO/J. Perez).
convert "$neb/velasnr.png" -alpha off -crop 512x384+0+64 +repage -strip -quality 92 \
    "$out/vela_snr.jpg"
# NGC 1232, a spiral galaxy in Eridanus (ESO).
convert "$neb/n1232.png" -alpha off -crop 368x276+72+118 +repage -resize 512x384! -strip \
    -quality 92 "$out/ngc1232.jpg"
# The Great Orion Nebula M42 with M43 and the Running Man above it (HG731GZ, CC BY 3.0).
convert "$neb/m42.png" -alpha off -crop 600x450+330+150 +repage -resize 512x384! \
    -level 0%,80% -strip -quality 92 "$out/orion_m42.jpg"
# The Horsehead in front of IC 434, with Alnitak and the Flame Nebula (Dylan O'Donnell, public
# domain).
convert "$neb/ic434.png" -alpha off -crop 448x336+310+290 +repage -resize 512x384! -strip \
    -quality 92 "$out/horsehead.jpg"
# The Eagle Nebula M16 with its cluster NGC 6611 and the pillars at the centre (Sun Gang,
# CC BY-SA 3.0).
convert "$neb/m16.png" -alpha off -crop 600x450+221+250 +repage -resize 512x384! -strip \
    -quality 92 "$out/eagle_m16.jpg"
