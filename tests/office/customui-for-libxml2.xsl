<?xml version="1.0"?>
<!-- Office's customUI schemas repeat attribute uses in derived types (through attribute groups
     that the base type already has), which .NET tolerates and libxml2 refuses. This copy
     keeps, in each extension, only the attributes (own or from its attribute groups) that the
     base type does not have yet, which leaves the set of valid documents the same. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
                xmlns:xsd="http://www.w3.org/2001/XMLSchema">
  <xsl:key name="type" match="xsd:complexType" use="@name"/>
  <xsl:key name="group" match="xsd:attributeGroup[@name]" use="@name"/>

  <xsl:template match="@*|node()">
    <xsl:copy><xsl:apply-templates select="@*|node()"/></xsl:copy>
  </xsl:template>

  <xsl:template match="xsd:extension/xsd:attributeGroup[@ref]">
    <xsl:variable name="inherited">
      <xsl:call-template name="attributes-of-type">
        <xsl:with-param name="name" select="../@base"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:call-template name="new-attributes-of-group">
      <xsl:with-param name="name" select="@ref"/>
      <xsl:with-param name="inherited" select="$inherited"/>
    </xsl:call-template>
  </xsl:template>

  <xsl:template match="xsd:extension/xsd:attribute[@name]">
    <xsl:variable name="inherited">
      <xsl:call-template name="attributes-of-type">
        <xsl:with-param name="name" select="../@base"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:if test="not(contains($inherited, concat('|', @name, '|')))">
      <xsl:copy-of select="."/>
    </xsl:if>
  </xsl:template>

  <xsl:template name="new-attributes-of-group">
    <xsl:param name="name"/>
    <xsl:param name="inherited"/>
    <xsl:for-each select="key('group', $name)/xsd:attribute">
      <xsl:if test="not(contains($inherited, concat('|', @name, '|')))">
        <xsl:copy-of select="."/>
      </xsl:if>
    </xsl:for-each>
    <xsl:for-each select="key('group', $name)/xsd:attributeGroup[@ref]">
      <xsl:call-template name="new-attributes-of-group">
        <xsl:with-param name="name" select="@ref"/>
        <xsl:with-param name="inherited" select="$inherited"/>
      </xsl:call-template>
    </xsl:for-each>
  </xsl:template>

  <!-- "|a|b|...|": the names of every attribute that type `name` has, declared or inherited. -->
  <xsl:template name="attributes-of-type">
    <xsl:param name="name"/>
    <xsl:for-each select="key('type', $name)">
      <xsl:for-each select=".//xsd:attribute[@name]">
        <xsl:value-of select="concat('|', @name, '|')"/>
      </xsl:for-each>
      <xsl:for-each select=".//xsd:attributeGroup[@ref]">
        <xsl:call-template name="attributes-of-group">
          <xsl:with-param name="name" select="@ref"/>
        </xsl:call-template>
      </xsl:for-each>
      <xsl:for-each select="xsd:complexContent/*[@base]">
        <xsl:call-template name="attributes-of-type">
          <xsl:with-param name="name" select="@base"/>
        </xsl:call-template>
      </xsl:for-each>
    </xsl:for-each>
  </xsl:template>

  <xsl:template name="attributes-of-group">
    <xsl:param name="name"/>
    <xsl:for-each select="key('group', $name)/xsd:attribute">
      <xsl:value-of select="concat('|', @name, '|')"/>
    </xsl:for-each>
    <xsl:for-each select="key('group', $name)/xsd:attributeGroup[@ref]">
      <xsl:call-template name="attributes-of-group">
        <xsl:with-param name="name" select="@ref"/>
      </xsl:call-template>
    </xsl:for-each>
  </xsl:template>
</xsl:stylesheet>
