package qrlumo;

import com.google.zxing.BarcodeFormat;
import com.google.zxing.EncodeHintType;
import com.google.zxing.WriterException;
import com.google.zxing.common.BitMatrix;
import com.google.zxing.qrcode.QRCodeWriter;
import com.google.zxing.qrcode.decoder.ErrorCorrectionLevel;

import java.awt.image.BufferedImage;
import java.io.IOException;
import java.io.StringReader;
import java.nio.file.DirectoryStream;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.EnumMap;
import java.util.Iterator;
import java.util.List;
import java.util.Map;

import javax.imageio.IIOImage;
import javax.imageio.ImageIO;
import javax.imageio.ImageWriteParam;
import javax.imageio.ImageWriter;
import javax.imageio.stream.ImageOutputStream;
import javax.xml.stream.XMLInputFactory;
import javax.xml.stream.XMLStreamConstants;
import javax.xml.stream.XMLStreamException;
import javax.xml.stream.XMLStreamReader;

/**
 * Makes the QR images the label program asks for. It reads tmp/qr.xml from the working folder
 * and writes, for every pack block, a square JPEG named after the code into the folder the block
 * names, which must be that same tmp folder. It takes no arguments, opens no window and exits
 * non-zero when an image could not be made.
 */
public final class Qrlumo {
    private static final int MODULE_PIXELS = 12;
    private static final int QUIET_ZONE_MODULES = 4;

    private Qrlumo() {}

    static final class Pack {
        final String codigo;
        final String destino;

        Pack(String codigo, String destino) {
            this.codigo = codigo;
            this.destino = destino;
        }
    }

    public static void main(String[] args) {
        System.setProperty("java.awt.headless", "true");
        int failures = 0;
        try {
            Path request = findRequest(Paths.get("").toAbsolutePath());
            if (request == null) {
                System.err.println("qrlumo: tmp/qr.xml not found");
                System.exit(2);
            }
            Path allowed = request.getParent().toRealPath();
            for (Pack pack : readRequest(request)) {
                if (!isSafeName(pack.codigo)) {
                    System.err.println("qrlumo: code skipped: \"" + pack.codigo + "\"");
                    continue;
                }
                try {
                    writeImage(pack.codigo, destinationFolder(pack.destino, allowed));
                } catch (IOException | WriterException | RuntimeException e) {
                    System.err.println("qrlumo: " + pack.codigo + ": " + e);
                    failures++;
                }
            }
        } catch (Exception e) {
            System.err.println("qrlumo: " + e);
            System.exit(2);
        }
        System.exit(failures == 0 ? 0 : 1);
    }

    /** The request in tmp under the working folder; the folder's letter case may differ. */
    static Path findRequest(Path workingFolder) throws IOException {
        Path exact = workingFolder.resolve("tmp").resolve("qr.xml");
        if (Files.isRegularFile(exact)) {
            return exact;
        }
        try (DirectoryStream<Path> entries = Files.newDirectoryStream(workingFolder)) {
            for (Path folder : entries) {
                if (Files.isDirectory(folder) && folder.getFileName().toString().equalsIgnoreCase("tmp")) {
                    try (DirectoryStream<Path> files = Files.newDirectoryStream(folder)) {
                        for (Path file : files) {
                            if (Files.isRegularFile(file)
                                    && file.getFileName().toString().equalsIgnoreCase("qr.xml")) {
                                return file;
                            }
                        }
                    }
                }
            }
        }
        return null;
    }

    /**
     * Bytes 0x80 to 0x9F of the workstation's code page, as the program reads them: the five bytes
     * the code page leaves undefined keep their own value, where Java's decoder would make them
     * U+FFFD and so name another file than the one the program looks for.
     */
    private static final char[] HIGH = {
        '\u20AC', '\u0081', '\u201A', '\u0192', '\u201E', '\u2026', '\u2020', '\u2021',
        '\u02C6', '\u2030', '\u0160', '\u2039', '\u0152', '\u008D', '\u017D', '\u008F',
        '\u0090', '\u2018', '\u2019', '\u201C', '\u201D', '\u2022', '\u2013', '\u2014',
        '\u02DC', '\u2122', '\u0161', '\u203A', '\u0153', '\u009D', '\u017E', '\u0178',
    };

    static String decode(byte[] bytes) {
        StringBuilder out = new StringBuilder(bytes.length);
        for (byte b : bytes) {
            int u = b & 0xFF;
            if (u < 0x20 && u != '\t' && u != '\n' && u != '\r') {
                // XML has no place for these, and one would fail the whole request; as a tab the
                // code that holds it is refused alone, like every code with a control character.
                out.append('\t');
            } else {
                out.append(u >= 0x80 && u <= 0x9F ? HIGH[u - 0x80] : (char) u);
            }
        }
        return out.toString();
    }

    /** How deep the request goes: qrcode, pack, then codigo and destino holding text. */
    static final int MAX_DEPTH = 3;

    /**
     * The request is written in the workstation's single-byte code page, without a declaration.
     * It is read as a stream, so no nesting can exhaust the stack; nesting the format does not
     * have is refused as a whole.
     */
    static List<Pack> readRequest(Path request) throws IOException, XMLStreamException {
        String text = decode(Files.readAllBytes(request));
        XMLInputFactory factory = XMLInputFactory.newFactory();
        factory.setProperty(XMLInputFactory.SUPPORT_DTD, false);
        factory.setProperty(XMLInputFactory.IS_SUPPORTING_EXTERNAL_ENTITIES, false);
        factory.setProperty(XMLInputFactory.IS_COALESCING, true);
        XMLStreamReader reader = factory.createXMLStreamReader(new StringReader(text));
        List<Pack> out = new ArrayList<>();
        int depth = 0;
        String codigo = null;
        String destino = null;
        StringBuilder field = null;
        try {
            while (reader.hasNext()) {
                int event = reader.next();
                if (event == XMLStreamConstants.START_ELEMENT) {
                    depth++;
                    String name = reader.getLocalName();
                    if (depth > MAX_DEPTH) {
                        throw new RequestException("request nested deeper than qrcode/pack/codigo: element <"
                                + name + "> at line " + reader.getLocation().getLineNumber());
                    }
                    if (depth == 2 && name.equals("pack")) {
                        codigo = null;
                        destino = null;
                    } else if (depth == 3 && (name.equals("codigo") || name.equals("destino"))) {
                        field = new StringBuilder();
                    }
                } else if (event == XMLStreamConstants.CHARACTERS || event == XMLStreamConstants.CDATA) {
                    if (field != null) {
                        field.append(reader.getText());
                    }
                } else if (event == XMLStreamConstants.END_ELEMENT) {
                    String name = reader.getLocalName();
                    if (depth == 3 && field != null) {
                        // The first of each, as a block holds one.
                        if (name.equals("codigo") && codigo == null) {
                            codigo = field.toString();
                        } else if (name.equals("destino") && destino == null) {
                            destino = field.toString();
                        }
                        field = null;
                    } else if (depth == 2 && name.equals("pack")) {
                        out.add(new Pack(codigo == null ? "" : codigo, destino == null ? "" : destino));
                    }
                    depth--;
                }
            }
        } finally {
            reader.close();
        }
        return out;
    }

    /** A request that is well-formed XML but not the format. */
    static final class RequestException extends XMLStreamException {
        private static final long serialVersionUID = 1L;

        RequestException(String message) {
            super(message);
        }
    }

    /**
     * The folder a block names, which must be the folder of the request itself (the program
     * folder's tmp): whatever can write the request may not have us write anywhere else.
     */
    static Path destinationFolder(String destino, Path allowed) throws IOException {
        Path folder;
        try {
            folder = Paths.get(folderOf(destino)).toRealPath();
        } catch (IOException | java.nio.file.InvalidPathException e) {
            throw new IOException("destination refused: \"" + destino + "\" is no folder", e);
        }
        if (!folder.equals(allowed)) {
            throw new IOException("destination refused: \"" + destino + "\" is not " + allowed);
        }
        return folder;
    }

    /** The request writes every backslash of the folder twice. */
    static String folderOf(String destino) {
        return destino.replace("\\\\", "\\");
    }

    /** A code becomes a file name, so it must stay one name inside the destination folder. */
    static boolean isSafeName(String code) {
        if (code == null || code.isEmpty() || code.contains("..")) {
            return false;
        }
        for (int i = 0; i < code.length(); i++) {
            char c = code.charAt(i);
            if (c == '/' || c == '\\' || c < 0x20) {
                return false;
            }
        }
        return true;
    }

    static BufferedImage render(String code) throws WriterException {
        Map<EncodeHintType, Object> hints = new EnumMap<>(EncodeHintType.class);
        hints.put(EncodeHintType.ERROR_CORRECTION, ErrorCorrectionLevel.M);
        hints.put(EncodeHintType.MARGIN, 0);
        hints.put(EncodeHintType.CHARACTER_SET, "UTF-8");
        BitMatrix modules = new QRCodeWriter().encode(code, BarcodeFormat.QR_CODE, 0, 0, hints);
        int count = modules.getWidth();
        int side = (count + 2 * QUIET_ZONE_MODULES) * MODULE_PIXELS;
        BufferedImage image = new BufferedImage(side, side, BufferedImage.TYPE_BYTE_GRAY);
        int[] white = new int[side * side];
        java.util.Arrays.fill(white, 0xFFFFFF);
        image.setRGB(0, 0, side, side, white, 0, side);
        int[] black = new int[MODULE_PIXELS * MODULE_PIXELS];
        for (int y = 0; y < count; y++) {
            for (int x = 0; x < count; x++) {
                if (modules.get(x, y)) {
                    image.setRGB((x + QUIET_ZONE_MODULES) * MODULE_PIXELS, (y + QUIET_ZONE_MODULES) * MODULE_PIXELS,
                            MODULE_PIXELS, MODULE_PIXELS, black, 0, MODULE_PIXELS);
                }
            }
        }
        return image;
    }

    /** Written under a temporary name and renamed, so a reader never sees half an image. */
    static void writeImage(String code, Path folder) throws IOException, WriterException {
        BufferedImage image = render(code);
        Path target = folder.resolve(code + ".jpg");
        Path temporary = folder.resolve("." + code + ".jpg.tmp");
        Files.deleteIfExists(temporary);
        try {
            Iterator<ImageWriter> writers = ImageIO.getImageWritersByFormatName("jpeg");
            if (!writers.hasNext()) {
                throw new IOException("no JPEG writer");
            }
            ImageWriter writer = writers.next();
            ImageWriteParam param = writer.getDefaultWriteParam();
            param.setCompressionMode(ImageWriteParam.MODE_EXPLICIT);
            param.setCompressionQuality(0.95f);
            try (ImageOutputStream out = ImageIO.createImageOutputStream(temporary.toFile())) {
                writer.setOutput(out);
                writer.write(null, new IIOImage(image, null, null), param);
            } finally {
                writer.dispose();
            }
            try {
                Files.move(temporary, target, StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
            } catch (java.nio.file.AtomicMoveNotSupportedException e) {
                Files.move(temporary, target, StandardCopyOption.REPLACE_EXISTING);
            }
        } finally {
            Files.deleteIfExists(temporary);
        }
    }
}
